// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Only tests, benchmarks and drobix-replay use this: pictures from bytes of their own making in
// place of the built-in resources.

#include <cstdint>
#include <span>
#include <string_view>

namespace Drobix::Testing {

// Where resource bytes come from: by default the program's built-in resources.
using PictureSource = std::span<const uint8_t> (*)(int id, std::string_view type);
// Null restores the default.
void SetPictureSource(PictureSource source);

}  // namespace Drobix::Testing

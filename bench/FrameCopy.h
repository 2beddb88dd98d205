// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

namespace Drobix::Bench {

// One 800 x 600 16-bit frame: the yardstick every benchmark is quoted against.
constexpr size_t kFrameBytes = 800 * 600 * 2;

}  // namespace Drobix::Bench

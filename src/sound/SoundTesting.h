// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Only tests, benchmarks and drobix-replay use this: where the sound module finds its Ogg bytes.

#include <cstdint>
#include <span>

namespace Drobix::Testing {

// Where LoadSound finds the Ogg bytes for an id: the built-in resources, unless replaced
// (tests decode streams of their own). Null restores the built-in resources.
using SoundResourceFinder = std::span<const uint8_t> (*)(int resourceId);
void SetSoundResourceFinder(SoundResourceFinder finder);

}  // namespace Drobix::Testing

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Drobix {

// The one pseudo-random generator shared by the whole program: a linear congruential
// generator whose state is 1 until seeded. Returns 0..32767.
int NextRandom();

// Sets the generator's state; the game screen seeds it once with the calendar time.
void SeedRandom(uint32_t seed);

}  // namespace Drobix

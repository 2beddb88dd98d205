// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Random.h"

namespace Drobix {

namespace {
constexpr uint32_t kMultiplier = 214013;
constexpr uint32_t kIncrement = 2531011;
uint32_t randomState = 1;
}  // namespace

int NextRandom() {
    randomState = randomState * kMultiplier + kIncrement;
    return static_cast<int>((randomState >> 16) & 0x7FFF);
}

void SeedRandom(uint32_t seed) {
    randomState = seed;
}

}  // namespace Drobix

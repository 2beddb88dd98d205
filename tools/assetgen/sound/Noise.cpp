// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Noise.h"

namespace Drobix::AssetGen {

namespace {
constexpr uint32_t kFallbackSeed = 0x9E3779B9u;  // xorshift never leaves the all-zero state
constexpr float kScale = 1.0f / 2147483648.0f;
}  // namespace

Noise::Noise(uint32_t seed) : state_(seed != 0 ? seed : kFallbackSeed) {}

float Noise::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(static_cast<int32_t>(state_)) * kScale;
}

}  // namespace Drobix::AssetGen

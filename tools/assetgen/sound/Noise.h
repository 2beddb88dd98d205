// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Drobix::AssetGen {

// White noise from a xorshift generator: the same seed always gives the same sequence, so the
// generated sounds are identical on every run.
class Noise {
public:
    explicit Noise(uint32_t seed);

    // The next sample, evenly spread over [-1, 1).
    float Next();

private:
    uint32_t state_;
};

}  // namespace Drobix::AssetGen

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Drobix::AssetGen::Art {

// A small seeded generator (SplitMix64), so every picture comes out the same on every run.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    float Unit();  // 0 <= value < 1
    float Range(float low, float high);
    int Below(int n);  // 0 <= value < n

private:
    uint64_t state_;
};

// Smooth value noise in about -1..1, from a hash of the lattice point and a seed.
float ValueNoise(float x, float y, uint32_t seed);
// Fractal sum of `octaves` layers of value noise, each twice as fine and half as strong.
float Fbm(float x, float y, int octaves, uint32_t seed);
// 0 below edge0, 1 above edge1, smooth between.
float SmoothStep(float edge0, float edge1, float x);

}  // namespace Drobix::AssetGen::Art

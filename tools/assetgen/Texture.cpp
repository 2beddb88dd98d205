// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Texture.h"

#include <cmath>

namespace Drobix::AssetGen::Art {

uint64_t Rng::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Rng::Unit() {
    return static_cast<float>(Next() >> 40) / static_cast<float>(1 << 24);
}

float Rng::Range(float low, float high) {
    return low + (high - low) * Unit();
}

int Rng::Below(int n) {
    return static_cast<int>(Next() % static_cast<uint64_t>(n));
}

namespace {

float Lattice(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8DA6B343u ^ static_cast<uint32_t>(y) * 0xD8163841u ^
                 seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0x800000) - 1.0f;
}

float Fade(float t) {
    return t * t * (3 - 2 * t);
}

}  // namespace

float ValueNoise(float x, float y, uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float tx = Fade(x - fx);
    const float ty = Fade(y - fy);
    const float a = Lattice(ix, iy, seed);
    const float b = Lattice(ix + 1, iy, seed);
    const float c = Lattice(ix, iy + 1, seed);
    const float d = Lattice(ix + 1, iy + 1, seed);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float Fbm(float x, float y, int octaves, uint32_t seed) {
    float sum = 0;
    float amplitude = 0.5f;
    float total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + static_cast<uint32_t>(i) * 101u) * amplitude;
        total += amplitude;
        x = x * 2.03f + 17.1f;
        y = y * 2.03f + 9.7f;
        amplitude *= 0.5f;
    }
    return sum / total;
}

float SmoothStep(float edge0, float edge1, float x) {
    float t = (x - edge0) / (edge1 - edge0);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return t * t * (3 - 2 * t);
}

}  // namespace Drobix::AssetGen::Art

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/RowScaler.h"

#include <algorithm>

#include "platform/Processor.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace Drobix::Platform {

namespace {

#if defined(__x86_64__)
[[gnu::target("avx2")]] void PermuteBlocksAvx2(const uint32_t* source, const int* sourceColumn,
                                               const int32_t* blockOffsets, uint32_t* target,
                                               int blocks) {
    constexpr int kBlock = 8;
    for (int b = 0; b < blocks; ++b) {
        const int first = b * kBlock;
        const __m256i pixels =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + sourceColumn[first]));
        const __m256i offsets =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(blockOffsets + first));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + first),
                            _mm256_permutevar8x32_epi32(pixels, offsets));
    }
}
#endif

}  // namespace

void RowScaler::Prepare(int sourceWidth, int targetWidth) {
    sourceWidth_ = std::max(sourceWidth, 0);
    const auto count = static_cast<size_t>(sourceWidth_ > 0 ? std::max(targetWidth, 0) : 0);
    sourceColumn_.resize(count);
    blockOffsets_.resize(count);
    for (size_t x = 0; x < count; ++x) {
        sourceColumn_[x] =
            static_cast<int>(static_cast<int64_t>(x) * sourceWidth_ / static_cast<int64_t>(count));
    }
    permutedBlocks_ = 0;
    for (size_t first = 0; first + kBlock <= count; first += kBlock) {
        const int base = sourceColumn_[first];
        const bool inReach =
            sourceColumn_[first + kBlock - 1] - base < kBlock && base + kBlock <= sourceWidth_;
        if (!inReach) {
            break;
        }
        for (size_t k = 0; k < kBlock; ++k) {
            blockOffsets_[first + k] = sourceColumn_[first + k] - base;
        }
        ++permutedBlocks_;
    }
}

void RowScaler::Scale(const uint32_t* source, uint32_t* target) const {
    size_t done = 0;
#if defined(__x86_64__)
    if (UseAvx2()) {
        PermuteBlocksAvx2(source, sourceColumn_.data(), blockOffsets_.data(), target,
                          permutedBlocks_);
        done = static_cast<size_t>(permutedBlocks_) * kBlock;
    }
#endif
    for (size_t x = done; x < sourceColumn_.size(); ++x) {
        target[x] = source[sourceColumn_[x]];
    }
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/SharpScaler.h"

#include <algorithm>
#include <cmath>

#include "platform/Processor.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace Drobix::Platform {

namespace {

constexpr uint32_t kRedBlueMask = 0x00FF00FFU;
constexpr uint32_t kGreenMask = 0x0000FF00U;
constexpr uint32_t kOpaque = 0xFF000000U;

// Each target pixel's centre, mapped into the source enlarged by the whole factor, falls between
// two enlarged pixels; the weight is how far it lies towards the second. Enlarged pixels of one
// source pixel blend to themselves, so only the seams between source pixels are smoothed.
std::vector<SharpScaler::Taps> AxisTaps(int source, int target) {
    std::vector<SharpScaler::Taps> taps(static_cast<size_t>(std::max(target, 0)));
    if (source <= 0 || target <= 0) {
        return taps;
    }
    const int64_t factor = std::max<int64_t>(1, target / source);
    const int64_t enlarged = factor * source;
    for (int x = 0; x < target; ++x) {
        // In units of 1 / (2 * target) enlarged pixels, exactly: (x + 0.5) * enlarged / target.
        const int64_t centre = (2 * static_cast<int64_t>(x) + 1) * enlarged;
        const int64_t position = centre - target;  // minus half an enlarged pixel
        const int64_t scale = 2 * static_cast<int64_t>(target);
        const int64_t floor = position < 0 ? -1 : position / scale;
        const int64_t fraction = position - floor * scale;
        const int64_t left = std::clamp<int64_t>(floor, 0, enlarged - 1);
        const int64_t right = std::clamp<int64_t>(floor + 1, 0, enlarged - 1);
        SharpScaler::Taps& tap = taps[static_cast<size_t>(x)];
        tap.first = static_cast<int>(left / factor);
        tap.second = static_cast<int>(right / factor);
        tap.weight =
            tap.first == tap.second
                ? 0
                : static_cast<uint32_t>((fraction * SharpScaler::kWeightOne + scale / 2) / scale);
        if (tap.weight == 0) {
            tap.second = tap.first;
        }
    }
    return taps;
}

uint32_t Blend(uint32_t first, uint32_t second, uint32_t weight) {
    const uint32_t keep = SharpScaler::kWeightOne - weight;
    const uint32_t redBlue =
        (((first & kRedBlueMask) * keep + (second & kRedBlueMask) * weight + 0x00800080U) >> 8) &
        kRedBlueMask;
    const uint32_t green =
        (((first & kGreenMask) * keep + (second & kGreenMask) * weight + 0x00008000U) >> 8) &
        kGreenMask;
    return kOpaque | redBlue | green;
}

// The two loops are written for the compiler to vectorise: no branch (a weight of 0 blends to the
// first pixel exactly) and no aliasing. They are the portable code, and the AVX2 code's rest.
[[gnu::always_inline]] inline void ScaleColumns(const uint32_t* __restrict source,
                                                const SharpScaler::Taps* __restrict taps,
                                                uint32_t* __restrict target, int count) {
    for (int x = 0; x < count; ++x) {
        target[x] = Blend(source[taps[x].first], source[taps[x].second], taps[x].weight);
    }
}

[[gnu::always_inline]] inline void BlendPixels(const uint32_t* __restrict first,
                                               const uint32_t* __restrict second, uint32_t weight,
                                               uint32_t* __restrict target, int width) {
    for (int x = 0; x < width; ++x) {
        target[x] = Blend(first[x], second[x], weight);
    }
}

#if defined(__x86_64__)
// Eight pixels of left blended towards right by weight (256ths, in both 16-bit halves of each
// word), with the same rounding as Blend: red and blue sit in the low bytes of a pixel's two
// halves, then green and alpha, where each channel's products fit in 16 bits.
[[gnu::target("avx2")]] inline __m256i BlendLanes(__m256i left, __m256i right, __m256i weight) {
    const __m256i redBlueMask = _mm256_set1_epi32(static_cast<int>(kRedBlueMask));
    const __m256i greenMask = _mm256_set1_epi32(static_cast<int>(kGreenMask));
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(kOpaque));
    const __m256i rounding = _mm256_set1_epi16(0x80);
    const __m256i keep =
        _mm256_sub_epi16(_mm256_set1_epi16(static_cast<short>(SharpScaler::kWeightOne)), weight);
    const __m256i redBlue = _mm256_srli_epi16(
        _mm256_add_epi16(
            _mm256_add_epi16(_mm256_mullo_epi16(_mm256_and_si256(left, redBlueMask), keep),
                             _mm256_mullo_epi16(_mm256_and_si256(right, redBlueMask), weight)),
            rounding),
        8);
    const __m256i green = _mm256_add_epi16(
        _mm256_add_epi16(
            _mm256_mullo_epi16(_mm256_and_si256(_mm256_srli_epi32(left, 8), redBlueMask), keep),
            _mm256_mullo_epi16(_mm256_and_si256(_mm256_srli_epi32(right, 8), redBlueMask), weight)),
        rounding);
    return _mm256_or_si256(_mm256_or_si256(redBlue, _mm256_and_si256(green, greenMask)), opaque);
}

// Eight target columns at a time, when scaling up: their first taps then lie within eight source
// columns of the leftmost one, so two loads and two permutes fetch both neighbours of all eight
// (a weight of 0 blends the second away, whatever it is). Returns the columns done; the rest
// reach too far right for the loads.
[[gnu::target("avx2")]] inline int ScaleColumnsUpInLanes(const uint32_t* source, int sourceWidth,
                                                         const int32_t* firsts,
                                                         const uint32_t* weightPairs,
                                                         uint32_t* target, int count) {
    constexpr int kLane = 8;
    int x = 0;
    for (; x + kLane <= count; x += kLane) {
        const int base = firsts[x];
        if (base + kLane + 1 > sourceWidth) {
            break;
        }
        const __m256i columns =
            _mm256_sub_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(firsts + x)),
                             _mm256_set1_epi32(base));
        const __m256i left = _mm256_permutevar8x32_epi32(
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + base)), columns);
        const __m256i right = _mm256_permutevar8x32_epi32(
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + base + 1)), columns);
        const __m256i weight =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(weightPairs + x));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + x),
                            BlendLanes(left, right, weight));
    }
    return x;
}

// Two rows blended eight pixels at a time; returns the pixels done.
[[gnu::target("avx2")]] inline int BlendPixelsInLanes(const uint32_t* first, const uint32_t* second,
                                                      uint32_t weight, uint32_t* target,
                                                      int width) {
    constexpr int kLane = 8;
    const __m256i weights = _mm256_set1_epi16(static_cast<short>(weight));
    int x = 0;
    for (; x + kLane <= width; x += kLane) {
        const __m256i left = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(first + x));
        const __m256i right = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(second + x));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + x),
                            BlendLanes(left, right, weights));
    }
    return x;
}

// A row's columns with AVX2: eight at a time where scaling up, the rest by the portable loop
// made for AVX2.
[[gnu::target("avx2")]] void ScaleColumnsAvx2(const uint32_t* source, int sourceWidth, bool up,
                                              const int32_t* firsts, const uint32_t* weightPairs,
                                              const SharpScaler::Taps* taps, uint32_t* target,
                                              int count) {
    const int done =
        up ? ScaleColumnsUpInLanes(source, sourceWidth, firsts, weightPairs, target, count) : 0;
    ScaleColumns(source, taps + done, target + done, count - done);
}

[[gnu::target("avx2")]] void BlendPixelsAvx2(const uint32_t* first, const uint32_t* second,
                                             uint32_t weight, uint32_t* target, int width) {
    const int done = weight <= SharpScaler::kWeightOne
                         ? BlendPixelsInLanes(first, second, weight, target, width)
                         : 0;
    BlendPixels(first + done, second + done, weight, target + done, width - done);
}
#endif

}  // namespace

void SharpScaler::Prepare(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight) {
    columns_ = AxisTaps(sourceWidth, targetWidth);
    rows_ = AxisTaps(sourceHeight, targetHeight);
    sourceWidth_ = sourceWidth;
    columnFirsts_.resize(columns_.size());
    columnWeightPairs_.resize(columns_.size());
    for (size_t x = 0; x < columns_.size(); ++x) {
        columnFirsts_[x] = columns_[x].first;
        columnWeightPairs_[x] = columns_[x].weight | (columns_[x].weight << 16);
    }
}

namespace {

// The targets whose taps reach into the sources [begin, end).
std::pair<int, int> TargetsReaching(const std::vector<SharpScaler::Taps>& taps, int begin,
                                    int end) {
    if (begin >= end) {
        return {0, 0};
    }
    // Both taps grow with the target, and the second is never before the first.
    const auto first = std::partition_point(
        taps.begin(), taps.end(), [&](const SharpScaler::Taps& tap) { return tap.second < begin; });
    const auto last = std::partition_point(
        first, taps.end(), [&](const SharpScaler::Taps& tap) { return tap.first < end; });
    return {static_cast<int>(first - taps.begin()), static_cast<int>(last - taps.begin())};
}

}  // namespace

std::pair<int, int> SharpScaler::TargetColumns(int sourceLeft, int sourceRight) const {
    return TargetsReaching(columns_, sourceLeft, sourceRight);
}

std::pair<int, int> SharpScaler::TargetRows(int sourceTop, int sourceBottom) const {
    return TargetsReaching(rows_, sourceTop, sourceBottom);
}

std::pair<int, int> SharpScaler::SourceColumns(int first, int last) const {
    first = std::max(first, 0);
    last = std::min(last, GetTargetWidth());
    if (first >= last) {
        return {0, 0};
    }
    return {columns_[static_cast<size_t>(first)].first,
            columns_[static_cast<size_t>(last) - 1].second + 1};
}

void SharpScaler::ScaleRow(const uint32_t* source, uint32_t* target, int first, int last) const {
    const int begin = std::max(first, 0);
    const int end = std::min(last, GetTargetWidth());
    if (begin >= end) {
        return;
    }
#if defined(__x86_64__)
    if (UseAvx2()) {
        ScaleColumnsAvx2(source, sourceWidth_, GetTargetWidth() >= sourceWidth_,
                         columnFirsts_.data() + begin, columnWeightPairs_.data() + begin,
                         columns_.data() + begin, target + begin, end - begin);
        return;
    }
#endif
    ScaleColumns(source, columns_.data() + begin, target + begin, end - begin);
}

void SharpScaler::BlendRows(const uint32_t* first, const uint32_t* second, uint32_t weight,
                            uint32_t* target, int width) {
#if defined(__x86_64__)
    if (UseAvx2()) {
        BlendPixelsAvx2(first, second, weight, target, width);
        return;
    }
#endif
    BlendPixels(first, second, weight, target, width);
}

}  // namespace Drobix::Platform

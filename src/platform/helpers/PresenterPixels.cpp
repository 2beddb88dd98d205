// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Presenter.h"

#include "platform/Processor.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace Drobix::Platform {

namespace {

uint32_t ConvertPixel(uint32_t pixel) {
    const uint32_t red = pixel >> 11;
    const uint32_t green = (pixel >> 5) & 0x3FU;
    const uint32_t blue = pixel & 0x1FU;
    return 0xFF000000U | (((red << 3) | (red >> 2)) << 16) | (((green << 2) | (green >> 4)) << 8) |
           ((blue << 3) | (blue >> 2));
}

void ConvertScalar(const uint16_t* source, uint32_t* target, int first, int count) {
    for (int i = first; i < count; ++i) {
        target[i] = ConvertPixel(source[i]);
    }
}

#if defined(__x86_64__)
// Bit replication as a multiply-high of a channel left in its place: red (0xF800) times 264 gives
// red << 3 | red >> 2, green (0x07E0) times 8320 gives green << 2 | green >> 4, and blue moved to
// the top bits times 264 gives it like red. Multiplies run beside the shuffles, which are what the
// conversion is otherwise bound by.
constexpr short kRedMask = static_cast<short>(0xF800);
constexpr short kGreenMask = 0x07E0;
constexpr short kFiveBitFactor = 264;
constexpr short kSixBitFactor = 8320;
constexpr short kOpaqueHigh = static_cast<short>(0xFF00);
constexpr int kBlueToTop = 11;

// Sixteen pixels at a time: the lanes (green << 8 | blue) and (0xFF << 8 | red) are interleaved
// into 32-bit pixels. Interleaving works within 128-bit halves, so the source's middle quarters
// are swapped first, which leaves the pixels in order.
[[gnu::target("avx2")]] int ConvertAvx2(const uint16_t* source, uint32_t* target, int count) {
    constexpr int kLane = 16;
    constexpr int kMiddleQuartersSwapped = 0xD8;
    const __m256i redMask = _mm256_set1_epi16(kRedMask);
    const __m256i greenMask = _mm256_set1_epi16(kGreenMask);
    const __m256i fiveBits = _mm256_set1_epi16(kFiveBitFactor);
    const __m256i sixBits = _mm256_set1_epi16(kSixBitFactor);
    const __m256i opaque = _mm256_set1_epi16(kOpaqueHigh);
    int i = 0;
    for (; i + kLane <= count; i += kLane) {
        const __m256i pixels = _mm256_permute4x64_epi64(
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i)),
            kMiddleQuartersSwapped);
        const __m256i red = _mm256_mulhi_epu16(_mm256_and_si256(pixels, redMask), fiveBits);
        const __m256i green = _mm256_mulhi_epu16(_mm256_and_si256(pixels, greenMask), sixBits);
        const __m256i blue = _mm256_mulhi_epu16(_mm256_slli_epi16(pixels, kBlueToTop), fiveBits);
        const __m256i low = _mm256_or_si256(_mm256_slli_epi16(green, 8), blue);
        const __m256i high = _mm256_or_si256(red, opaque);
        auto* out = reinterpret_cast<__m256i*>(target + i);
        _mm256_storeu_si256(out, _mm256_unpacklo_epi16(low, high));
        _mm256_storeu_si256(out + 1, _mm256_unpackhi_epi16(low, high));
    }
    return i;
}

int ConvertSse2(const uint16_t* source, uint32_t* target, int count) {
    constexpr int kLane = 8;
    const __m128i redMask = _mm_set1_epi16(kRedMask);
    const __m128i greenMask = _mm_set1_epi16(kGreenMask);
    const __m128i fiveBits = _mm_set1_epi16(kFiveBitFactor);
    const __m128i sixBits = _mm_set1_epi16(kSixBitFactor);
    const __m128i opaque = _mm_set1_epi16(kOpaqueHigh);
    int i = 0;
    for (; i + kLane <= count; i += kLane) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        const __m128i red = _mm_mulhi_epu16(_mm_and_si128(pixels, redMask), fiveBits);
        const __m128i green = _mm_mulhi_epu16(_mm_and_si128(pixels, greenMask), sixBits);
        const __m128i blue = _mm_mulhi_epu16(_mm_slli_epi16(pixels, kBlueToTop), fiveBits);
        const __m128i low = _mm_or_si128(_mm_slli_epi16(green, 8), blue);
        const __m128i high = _mm_or_si128(red, opaque);
        auto* out = reinterpret_cast<__m128i*>(target + i);
        _mm_storeu_si128(out, _mm_unpacklo_epi16(low, high));
        _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(low, high));
    }
    return i;
}
#endif

}  // namespace

void ConvertRgb565ToXrgb8888(const uint16_t* source, uint32_t* target, int count) {
    int done = 0;
#if defined(__x86_64__)
    done = UseAvx2() ? ConvertAvx2(source, target, count) : ConvertSse2(source, target, count);
#endif
    ConvertScalar(source, target, done, count);
}

}  // namespace Drobix::Platform

#include "platform/Presenter.h"

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
// Sixteen pixels at a time: the channels are widened in 16-bit lanes, then the lanes
// (green << 8 | blue) and (0xFF << 8 | red) are interleaved into 32-bit pixels. The frame is
// large enough that the wider vectors of newer processors pay off, so they are used where present.
__attribute__((target("avx2"))) int ConvertAvx2(const uint16_t* source, uint32_t* target,
                                                int count) {
    constexpr int kLane = 16;
    const __m256i greenMask = _mm256_set1_epi16(0x3F);
    const __m256i blueMask = _mm256_set1_epi16(0x1F);
    const __m256i opaque = _mm256_set1_epi16(static_cast<short>(0xFF00));
    int i = 0;
    for (; i + kLane <= count; i += kLane) {
        const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        const __m256i red = _mm256_srli_epi16(pixels, 11);
        const __m256i green = _mm256_and_si256(_mm256_srli_epi16(pixels, 5), greenMask);
        const __m256i blue = _mm256_and_si256(pixels, blueMask);
        const __m256i red8 = _mm256_or_si256(_mm256_slli_epi16(red, 3), _mm256_srli_epi16(red, 2));
        const __m256i green8 =
            _mm256_or_si256(_mm256_slli_epi16(green, 2), _mm256_srli_epi16(green, 4));
        const __m256i blue8 =
            _mm256_or_si256(_mm256_slli_epi16(blue, 3), _mm256_srli_epi16(blue, 2));
        const __m256i low = _mm256_or_si256(_mm256_slli_epi16(green8, 8), blue8);
        const __m256i high = _mm256_or_si256(red8, opaque);
        // Unpacking works within 128-bit halves; the permutes put the pixels back in order.
        const __m256i first = _mm256_unpacklo_epi16(low, high);
        const __m256i second = _mm256_unpackhi_epi16(low, high);
        auto* out = reinterpret_cast<__m256i*>(target + i);
        _mm256_storeu_si256(out, _mm256_permute2x128_si256(first, second, 0x20));
        _mm256_storeu_si256(out + 1, _mm256_permute2x128_si256(first, second, 0x31));
    }
    return i;
}

int ConvertSse2(const uint16_t* source, uint32_t* target, int count) {
    constexpr int kLane = 8;
    const __m128i greenMask = _mm_set1_epi16(0x3F);
    const __m128i blueMask = _mm_set1_epi16(0x1F);
    const __m128i opaque = _mm_set1_epi16(static_cast<short>(0xFF00));
    int i = 0;
    for (; i + kLane <= count; i += kLane) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        const __m128i red = _mm_srli_epi16(pixels, 11);
        const __m128i green = _mm_and_si128(_mm_srli_epi16(pixels, 5), greenMask);
        const __m128i blue = _mm_and_si128(pixels, blueMask);
        const __m128i red8 = _mm_or_si128(_mm_slli_epi16(red, 3), _mm_srli_epi16(red, 2));
        const __m128i green8 = _mm_or_si128(_mm_slli_epi16(green, 2), _mm_srli_epi16(green, 4));
        const __m128i blue8 = _mm_or_si128(_mm_slli_epi16(blue, 3), _mm_srli_epi16(blue, 2));
        const __m128i low = _mm_or_si128(_mm_slli_epi16(green8, 8), blue8);
        const __m128i high = _mm_or_si128(red8, opaque);
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
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    done = hasAvx2 ? ConvertAvx2(source, target, count) : ConvertSse2(source, target, count);
#endif
    ConvertScalar(source, target, done, count);
}

}  // namespace Drobix::Platform

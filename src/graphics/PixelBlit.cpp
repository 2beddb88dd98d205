// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/PixelBlit.h"

#include <algorithm>
#include <cstring>

#include "platform/Processor.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace Drobix {

namespace {

const uint16_t* SourceRow(ConstPixelView from, int y) {
    return from.pixels + static_cast<size_t>(y) * static_cast<size_t>(from.width);
}

uint16_t* TargetRow(PixelView to, int y) {
    return to.pixels + static_cast<size_t>(y) * static_cast<size_t>(to.width);
}

// Copies one piece of Bytes bytes; the compiler turns it into one vector move.
template <size_t Bytes>
[[gnu::always_inline]] inline void CopyPiece(const uint16_t* source, uint16_t* target) {
    std::memcpy(target, source, Bytes);
}

// Rows are short (a 25-pixel cell, an 8-pixel corner), so they are copied in whole pieces and
// the tail is one more piece that overlaps the last; rows of different pictures never overlap.
template <size_t Bytes>
[[gnu::always_inline]] inline void CopyRowInPieces(const uint16_t* source, uint16_t* target,
                                                   int count) {
    constexpr int kPixels = static_cast<int>(Bytes / sizeof(uint16_t));
    int i = 0;
    for (; i + kPixels <= count; i += kPixels) {
        CopyPiece<Bytes>(source + i, target + i);
    }
    if (i < count) {
        CopyPiece<Bytes>(source + count - kPixels, target + count - kPixels);
    }
}

// The piece size is chosen once per blit, so the row loop itself has no decisions to make.
template <size_t Bytes>
[[gnu::always_inline]] inline void CopyRowsInPieces(const uint16_t* source, size_t sourceStride,
                                                    uint16_t* target, size_t targetStride,
                                                    int count, int rows) {
    for (int row = 0; row < rows; ++row) {
        CopyRowInPieces<Bytes>(source, target, count);
        source += sourceStride;
        target += targetStride;
    }
}

#if defined(__x86_64__)
// Rows of 16 pixels or more in 32-byte moves. Written with the instructions themselves: for
// unaligned data the compiler would otherwise split each move in two.
[[gnu::target("avx2")]] void CopyWideRowsAvx2(const uint16_t* source, size_t sourceStride,
                                              uint16_t* target, size_t targetStride, int count,
                                              int rows) {
    constexpr int kPixels = 16;
    const int last = count - kPixels;
    for (int row = 0; row < rows; ++row) {
        for (int i = 0; i < last; i += kPixels) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + i),
                                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i)));
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + last),
                            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + last)));
        source += sourceStride;
        target += targetStride;
    }
}
#endif

#if defined(__x86_64__)
// A row of at least 16 pixels filled in 32-byte stores, the last one overlapping.
[[gnu::target("avx2")]] void FillWideRowAvx2(uint16_t* target, int count, uint16_t value) {
    const __m256i fill = _mm256_set1_epi16(static_cast<int16_t>(value));
    constexpr int kPixels = 16;
    const int last = count - kPixels;
    for (int i = 0; i < last; i += kPixels) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + i), fill);
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + last), fill);
}
#endif

// Panels, frames and rules are one-pixel pictures stretched: row after row of one value.
void FillRow(uint16_t* target, int count, uint16_t value) {
#if defined(__x86_64__)
    if (count >= 16 && Platform::UseAvx2()) {
        FillWideRowAvx2(target, count, value);
        return;
    }
#endif
    std::fill(target, target + count, value);
}

void CopyWideRows(const uint16_t* source, size_t sourceStride, uint16_t* target,
                  size_t targetStride, int count, int rows) {
#if defined(__x86_64__)
    if (Platform::UseAvx2()) {
        CopyWideRowsAvx2(source, sourceStride, target, targetStride, count, rows);
        return;
    }
#endif
    CopyRowsInPieces<32>(source, sourceStride, target, targetStride, count, rows);
}

[[gnu::always_inline]] inline void CopyOpaqueRows(const uint16_t* source, size_t sourceStride,
                                                  uint16_t* target, size_t targetStride, int count,
                                                  int rows) {
    if (count >= 16) {
        CopyWideRows(source, sourceStride, target, targetStride, count, rows);
    } else if (count >= 8) {
        CopyRowsInPieces<16>(source, sourceStride, target, targetStride, count, rows);
    } else if (count >= 4) {
        CopyRowsInPieces<8>(source, sourceStride, target, targetStride, count, rows);
    } else if (count >= 2) {
        CopyRowsInPieces<4>(source, sourceStride, target, targetStride, count, rows);
    } else {
        for (int row = 0; row < rows; ++row) {
            target[static_cast<size_t>(row) * targetStride] =
                source[static_cast<size_t>(row) * sourceStride];
        }
    }
}

// Plain loops: the compiler vectorises them for the processor at hand. Source and target rows
// belong to different pictures, so they never overlap.
[[gnu::always_inline]] inline void CopyRowKeyed(const uint16_t* __restrict source,
                                                uint16_t* __restrict target, int count,
                                                ColourKey key) {
    if (key.low == key.high) {
        const uint16_t keyValue = key.low;
        for (int i = 0; i < count; ++i) {
            target[i] = source[i] == keyValue ? target[i] : source[i];
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        const uint16_t pixel = source[i];
        target[i] = (pixel >= key.low && pixel <= key.high) ? target[i] : pixel;
    }
}

// A picture drawn onto itself: rows and pixels are taken in the order that reads every source
// pixel before it is overwritten.
void CopyRowsWithinPicture(const uint16_t* source, size_t sourceStride, uint16_t* target,
                           size_t targetStride, int count, int rows, ColourKey key) {
    const bool backwards = target > source;
    for (int i = 0; i < rows; ++i) {
        const size_t row = static_cast<size_t>(backwards ? rows - 1 - i : i);
        const uint16_t* from = source + row * sourceStride;
        uint16_t* to = target + row * targetStride;
        for (int j = 0; j < count; ++j) {
            const int column = backwards ? count - 1 - j : j;
            if (!key.enabled || from[column] < key.low || from[column] > key.high) {
                to[column] = from[column];
            }
        }
    }
}

// The keyed rows of a blit, made once for processors with 32-byte vectors and once for the rest.
[[gnu::always_inline]] inline void CopyKeyedRowsPortable(const uint16_t* source,
                                                         size_t sourceStride, uint16_t* target,
                                                         size_t targetStride, int count, int rows,
                                                         ColourKey key) {
    for (int row = 0; row < rows; ++row) {
        CopyRowKeyed(source + row * sourceStride, target + row * targetStride, count, key);
    }
}

#if defined(__x86_64__)
[[gnu::target("avx2")]] void CopyKeyedRowsAvx2(const uint16_t* source, size_t sourceStride,
                                               uint16_t* target, size_t targetStride, int count,
                                               int rows, ColourKey key) {
    CopyKeyedRowsPortable(source, sourceStride, target, targetStride, count, rows, key);
}
#endif

void CopyKeyedRows(const uint16_t* source, size_t sourceStride, uint16_t* target,
                   size_t targetStride, int count, int rows, ColourKey key) {
#if defined(__x86_64__)
    if (Platform::UseAvx2()) {
        CopyKeyedRowsAvx2(source, sourceStride, target, targetStride, count, rows, key);
        return;
    }
#endif
    CopyKeyedRowsPortable(source, sourceStride, target, targetStride, count, rows, key);
}

void CopyRows(ConstPixelView from, int sourceLeft, int sourceTop, PixelView to, const Rect& visible,
              const ColourKey& key) {
    const int count = visible.Width();
    const int rows = visible.Height();
    const auto sourceStride = static_cast<size_t>(from.width);
    const auto targetStride = static_cast<size_t>(to.width);
    const uint16_t* source = SourceRow(from, sourceTop) + sourceLeft;
    uint16_t* target = TargetRow(to, visible.top) + visible.left;
    if (from.pixels == to.pixels) {
        CopyRowsWithinPicture(source, sourceStride, target, targetStride, count, rows, key);
    } else if (key.enabled) {
        CopyKeyedRows(source, sourceStride, target, targetStride, count, rows, key);
    } else {
        CopyOpaqueRows(source, sourceStride, target, targetStride, count, rows);
    }
}

// The source position of target position offset when length pixels map onto span pixels.
int ScaledOffset(int offset, int length, int span) {
    return static_cast<int>(static_cast<int64_t>(offset) * length / span);
}

bool IsKeyed(uint16_t pixel, ColourKey key) {
    return key.enabled && pixel >= key.low && pixel <= key.high;
}

// One target row of a stretch: target pixel first + i takes source pixel
// (first + i) * sourceWidth / targetWidth, stepped with a running remainder instead of a
// division per pixel. A one-pixel source (panels, rules, the caret) is a plain fill.
void StretchRow(const uint16_t* source, int sourceWidth, uint16_t* target, int first, int count,
                int targetWidth, ColourKey key) {
    if (sourceWidth == 1) {
        if (!IsKeyed(source[0], key)) {
            FillRow(target, count, source[0]);
        }
        return;
    }
    const int64_t start = static_cast<int64_t>(first) * sourceWidth;
    int sourceX = static_cast<int>(start / targetWidth);
    int remainder = static_cast<int>(start % targetWidth);
    const int step = sourceWidth / targetWidth;
    const int stepRemainder = sourceWidth % targetWidth;
    for (int i = 0; i < count; ++i) {
        const uint16_t pixel = source[sourceX];
        if (!IsKeyed(pixel, key)) {
            target[i] = pixel;
        }
        sourceX += step;
        remainder += stepRemainder;
        if (remainder >= targetWidth) {
            remainder -= targetWidth;
            ++sourceX;
        }
    }
}

}  // namespace

bool SourceInside(ConstPixelView from, const Rect& source) {
    return !source.IsEmpty() && source.left >= 0 && source.top >= 0 && source.right <= from.width &&
           source.bottom <= from.height;
}

void CopyPixels(ConstPixelView from, const Rect& source, PixelView to, int x, int y,
                const Rect& clip, const ColourKey& key) {
    if (!SourceInside(from, source)) {
        return;
    }
    const Rect placed = PlacedAt(source, x, y);
    const Rect visible = Intersect(placed, clip);
    if (visible.IsEmpty()) {
        return;
    }
    const int sourceLeft = source.left + (visible.left - x);
    const int sourceTop = source.top + (visible.top - y);
    CopyRows(from, sourceLeft, sourceTop, to, visible, key);
}

void StretchPixels(ConstPixelView from, const Rect& source, PixelView to, const Rect& target,
                   const Rect& clip, const ColourKey& key) {
    if (target.IsEmpty() || !SourceInside(from, source)) {
        return;
    }
    if (target.Width() == source.Width() && target.Height() == source.Height()) {
        CopyPixels(from, source, to, target.left, target.top, clip, key);
        return;
    }
    const Rect visible = Intersect(target, clip);
    if (visible.IsEmpty()) {
        return;
    }
    for (int y = visible.top; y < visible.bottom; ++y) {
        const int sourceY =
            source.top + ScaledOffset(y - target.top, source.Height(), target.Height());
        StretchRow(SourceRow(from, sourceY) + source.left, source.Width(),
                   TargetRow(to, y) + visible.left, visible.left - target.left, visible.Width(),
                   target.Width(), key);
    }
}

}  // namespace Drobix

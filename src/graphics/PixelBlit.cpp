#include "graphics/PixelBlit.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Drobix {

namespace {

bool SourceInside(ConstPixelView from, const Rect& source) {
    return !source.IsEmpty() && source.left >= 0 && source.top >= 0 && source.right <= from.width &&
           source.bottom <= from.height;
}

const uint16_t* SourceRow(ConstPixelView from, int y) {
    return from.pixels + static_cast<size_t>(y) * static_cast<size_t>(from.width);
}

uint16_t* TargetRow(PixelView to, int y) {
    return to.pixels + static_cast<size_t>(y) * static_cast<size_t>(to.width);
}

#if defined(__SSE2__)
constexpr int kLane = 8;  // pixels per 16-byte vector

__m128i Load(const uint16_t* pixels) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
}

void Store(uint16_t* pixels, __m128i value) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels), value);
}

// Rows are short (a 25-pixel cell, an 8-pixel corner), so whole vectors are copied and the
// tail is one more vector that overlaps the last; the rows of different pictures never overlap.
void CopyRow(const uint16_t* source, uint16_t* target, int count) {
    if (count < kLane || source == target) {
        std::memmove(target, source, static_cast<size_t>(count) * 2);
        return;
    }
    for (int i = 0; i + kLane <= count; i += kLane) {
        Store(target + i, Load(source + i));
    }
    Store(target + count - kLane, Load(source + count - kLane));
}

__m128i Keyed(__m128i source, __m128i target, __m128i key) {
    const __m128i skip = _mm_cmpeq_epi16(source, key);
    return _mm_or_si128(_mm_and_si128(skip, target), _mm_andnot_si128(skip, source));
}

// Doing a tail pixel twice gives the same result, so the tail may overlap here too.
void CopyRowKeyedValue(const uint16_t* source, uint16_t* target, int count, uint16_t keyValue) {
    if (count < kLane) {
        for (int i = 0; i < count; ++i) {
            target[i] = source[i] == keyValue ? target[i] : source[i];
        }
        return;
    }
    const __m128i key = _mm_set1_epi16(static_cast<short>(keyValue));
    for (int i = 0; i + kLane <= count; i += kLane) {
        Store(target + i, Keyed(Load(source + i), Load(target + i), key));
    }
    const int last = count - kLane;
    Store(target + last, Keyed(Load(source + last), Load(target + last), key));
}
#else
void CopyRow(const uint16_t* source, uint16_t* target, int count) {
    std::memmove(target, source, static_cast<size_t>(count) * 2);
}

void CopyRowKeyedValue(const uint16_t* source, uint16_t* target, int count, uint16_t keyValue) {
    for (int i = 0; i < count; ++i) {
        target[i] = source[i] == keyValue ? target[i] : source[i];
    }
}
#endif

void CopyRowKeyed(const uint16_t* source, uint16_t* target, int count, ColourKey key) {
    if (key.low == key.high) {
        CopyRowKeyedValue(source, target, count, key.low);
        return;
    }
    for (int i = 0; i < count; ++i) {
        const uint16_t pixel = source[i];
        target[i] = (pixel >= key.low && pixel <= key.high) ? target[i] : pixel;
    }
}

// The source position of target position offset when length pixels map onto span pixels.
int ScaledOffset(int offset, int length, int span) {
    return static_cast<int>(static_cast<int64_t>(offset) * length / span);
}

}  // namespace

void CopyPixels(ConstPixelView from, const Rect& source, PixelView to, int x, int y,
                const Rect& clip, ColourKey key) {
    if (!SourceInside(from, source)) {
        return;
    }
    const Rect placed{x, y, x + source.Width(), y + source.Height()};
    const Rect visible = Intersect(placed, clip);
    if (visible.IsEmpty()) {
        return;
    }
    const int sourceLeft = source.left + (visible.left - x);
    const int sourceTop = source.top + (visible.top - y);
    const int count = visible.Width();
    for (int row = 0; row < visible.Height(); ++row) {
        const uint16_t* sourcePixels = SourceRow(from, sourceTop + row) + sourceLeft;
        uint16_t* targetPixels = TargetRow(to, visible.top + row) + visible.left;
        if (key.enabled) {
            CopyRowKeyed(sourcePixels, targetPixels, count, key);
        } else {
            CopyRow(sourcePixels, targetPixels, count);
        }
    }
}

void StretchPixels(ConstPixelView from, const Rect& source, PixelView to, const Rect& target,
                   const Rect& clip, ColourKey key) {
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
        const uint16_t* sourcePixels = SourceRow(from, sourceY);
        uint16_t* targetPixels = TargetRow(to, y);
        for (int x = visible.left; x < visible.right; ++x) {
            const uint16_t pixel =
                sourcePixels[source.left +
                             ScaledOffset(x - target.left, source.Width(), target.Width())];
            if (!key.enabled || pixel < key.low || pixel > key.high) {
                targetPixels[x] = pixel;
            }
        }
    }
}

}  // namespace Drobix

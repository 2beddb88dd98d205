#include "graphics/PixelBlit.h"

#include <cstring>

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

// The key test is written so that it becomes a vector compare and blend.
void CopyRowKeyed(const uint16_t* source, uint16_t* target, int count, ColourKey key) {
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
            std::memmove(targetPixels, sourcePixels, static_cast<size_t>(count) * 2);
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

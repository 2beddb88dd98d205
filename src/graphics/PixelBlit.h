// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "graphics/Rect.h"

namespace Drobix {

// RGB565 pixel rows without padding.
struct PixelView {
    uint16_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

struct ConstPixelView {
    const uint16_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

struct ColourKey {
    bool enabled = false;
    uint16_t low = 0;
    uint16_t high = 0;
};

// One RGB565 pixel from 8-bit channels: black is 0 and white has every bit set.
constexpr uint16_t PackRgb565(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<uint16_t>(((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
}

// True when source is not empty and lies inside the picture: the blits draw nothing otherwise.
bool SourceInside(ConstPixelView from, const Rect& source);

// Copies source (inside the source picture, or nothing is drawn) to (x, y) of the target,
// drawing only inside clip, which must lie inside the target. Keyed pixels are skipped.
void CopyPixels(ConstPixelView from, const Rect& source, PixelView to, int x, int y,
                const Rect& clip, const ColourKey& key);

// Scales source into target by nearest neighbour, drawing only inside clip (inside the target
// picture). Keyed pixels are skipped.
void StretchPixels(ConstPixelView from, const Rect& source, PixelView to, const Rect& target,
                   const Rect& clip, const ColourKey& key);

}  // namespace Drobix

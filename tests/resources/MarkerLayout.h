// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <optional>
#include <string_view>

#include "resources/PictureReader.h"

namespace Drobix::Testing {

// A glyph's rectangle in its font picture; right and bottom exclusive.
struct GlyphBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const GlyphBox&) const = default;
};

struct MarkerFont {
    std::map<unsigned char, GlyphBox> glyphs;
    int lineHeight = 0;
    int spacing = 0;

    int Width(unsigned char c) const;  // 0 for a character the font lacks
    // Width of a one-line text as the game measures it: glyph widths plus the spacing after each.
    int Measure(std::string_view text) const;
};

// Reads a font picture's glyph rectangles from its red and green markers, walking the glyph
// order the way the game's font builder does. Nothing when the markers break the layout (a
// row run or a glyph run missing), rather than wrong rectangles.
std::optional<MarkerFont> ReadMarkerFont(const DecodedPicture& picture, std::string_view glyphOrder,
                                         int spacing);

}  // namespace Drobix::Testing

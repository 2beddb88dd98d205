// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <vector>

#include "Image.h"

namespace Drobix::AssetGen::Art {

// A glyph's place in its font picture; right and bottom exclusive.
struct GlyphRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
};

// A font picture as the game reads it: glyph rows stacked from the top, each with a marker
// row above its glyphs; column 0 carries one run per glyph row (red, green, red, ...), and
// each marker row one run per glyph, alternating red and green across all rows.
struct FontPicture {
    RgbImage picture;
    std::string glyphOrder;  // the characters in picture order, a line feed between rows
    std::map<unsigned char, GlyphRect> glyphs;
    int lineHeight = 0;
    int spacing = 0;
};

FontPicture MakeLargeFont();  // font 0: 750 x 74, two rows, grey letters
FontPicture MakeSmallFont();  // font 1: 510 x 11, one row, grey pixel letters and arrows
FontPicture MakeDigitFont();  // font 2: 220 x 38, one row, coloured digits

// The small font's glyphs as pixel art: one entry per character, in picture order.
struct PixelGlyph {
    unsigned char code;
    int width;         // glyph width in the picture, including its blank column
    int firstRow;      // glyph row (0..9) of the first pattern row
    const char* rows;  // pattern rows separated by '|'; '#' marks a lit pixel
};
const std::vector<PixelGlyph>& SmallFontGlyphs();

}  // namespace Drobix::AssetGen::Art

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

// The second pictures: each font's glyphs for the characters of ExtraGlyphOrder() (see
// src/graphics/ExtraGlyphs.h), in that order, laid out like the first pictures in rows as wide
// as kExtraPictureWidth at most. Only the picture is filled in.
constexpr int kExtraPictureWidth = 1024;
FontPicture MakeSmallFontExtras();
FontPicture MakeLargeFontExtras();
FontPicture MakeDigitFontExtras();

// The small font's glyphs as pixel art: one entry per character, in picture order.
struct PixelGlyph {
    unsigned char code;
    int width;         // glyph width in the picture, including its blank column
    int firstRow;      // glyph row (0..9) of the first pattern row
    const char* rows;  // pattern rows separated by '|'; '#' marks a lit pixel
};
const std::vector<PixelGlyph>& SmallFontGlyphs();

// The small font's added glyphs: letters made of a base letter and a mark, letters drawn as a
// Latin one, the marks, and characters drawn by hand; the rest are rendered from the face.
struct ComposedLetter {
    char32_t code;
    char32_t base;
    char32_t mark;
};
const std::vector<ComposedLetter>& SmallFontComposedLetters();
struct Lookalike {
    char32_t code;
    char latin;
};
const std::vector<Lookalike>& SmallFontLookalikes();
struct MarkArt {
    char32_t mark;
    bool below;        // under the letter (rows 8 and 9), else above it (rows 0 and 1)
    const char* rows;  // as PixelGlyph's
};
const std::vector<MarkArt>& SmallFontMarks();
struct ExtraPixelGlyph {
    char32_t code;
    int width;
    int firstRow;
    const char* rows;
};
const std::vector<ExtraPixelGlyph>& SmallFontDrawnExtras();

}  // namespace Drobix::AssetGen::Art

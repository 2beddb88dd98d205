// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/ImageSurface.h"
#include "graphics/Rect.h"

namespace Drobix {

// The program's three fonts.
enum class FontId : int {
    Large = 0,
    Small = 1,  // with arrow glyphs
    Digits = 2,
};

// One glyph of a font's second picture.
struct ExtraGlyph {
    char32_t codePoint;
    Rect rect;
};

// One bitmap font: where each glyph of its first picture (one Windows-1252 byte) lies, and the
// glyphs of its second picture by code point (see ExtraGlyphs.h), read at their first need.
struct BitmapFont {
    std::array<std::optional<Rect>, 256> glyphs;
    ImageSurface* image = nullptr;  // owned by the image registry
    int32_t lineHeight = 0;
    int32_t spacing = 0;
    int extraResourceId = 0;
    bool extrasRead = false;
    ImageSurface* extraImage = nullptr;  // owned by the image registry
    std::vector<ExtraGlyph> extras;      // by code point

    // How far a line feed moves the pen down.
    int32_t LineAdvance() const { return lineHeight + spacing; }

    // The glyph's rectangle, or the empty rectangle for a byte without a glyph.
    Rect GetGlyph(char ch) const { return glyphs[static_cast<uint8_t>(ch)].value_or(Rect{}); }
};

// Builds the large, small and digit fonts from their pictures.
void BuildFonts();
// Reads the glyph rectangles from the marker runs of the picture and enters the font under
// fontId. Stops, keeping the glyphs found so far, where the picture breaks the layout (false).
bool BuildFont(FontId fontId, const char* glyphOrder, ImageSurface* image, int spacing);
void FreeFonts();
// Null for a font not built, or freed.
const BitmapFont* GetFont(FontId fontId);
bool FontHasGlyph(FontId fontId, char ch);

// Reads the font's second picture (its glyphs in the order of ExtraGlyphOrder(), row after row);
// false, keeping the glyphs found so far, where the picture breaks the layout.
bool BuildExtraGlyphs(BitmapFont& font, ImageSurface* image);

// The next character of a text at `at`, which moves past it: UTF-8, where a byte that begins no
// valid sequence stands for itself in Windows-1252, the small font's special bytes (\xAB \xBB
// \xBC \xA1 \xEF) for the arrows and the copyright sign their glyphs show. So the English
// texts and the high-score names, single bytes, read as they always have.
char32_t NextCharacter(std::string_view text, size_t& at);

// Text is UTF-8 (see NextCharacter), drawn with its first glyph's top-left corner at (x, y); a
// line feed starts a new line below. An ASCII character without a glyph draws nothing and
// advances by the spacing; any other character no picture of the font holds draws as the
// replacement character.
void DrawString(FontId fontId, std::string_view text, int x, int y, ImageSurface* dest = nullptr);
void DrawStringScaled(FontId fontId, std::string_view text, int x, int y, float scale,
                      ImageSurface* dest = nullptr);
// The top of line `line` (0 the first) of a text drawn from top: where DrawString's line feeds
// put it, for whatever is placed beside a line; top itself for a font not built.
int TextLineTop(FontId fontId, int top, int line);
// Word-wrapped at box->right; words are never split and the bottom does not limit it.
void DrawStringWrapped(FontId fontId, std::string_view text, const Rect* box,
                       ImageSurface* dest = nullptr);
// The width includes the spacing after the last glyph of the widest line; the height is the
// lines times the line height, without the spacing between lines.
void MeasureString(FontId fontId, std::string_view text, unsigned* width, unsigned* height,
                   float scale = 1.0f);
// MeasureString at scale 1, in whole pixels for placing the text.
struct TextSize {
    int width = 0;
    int height = 0;
};
TextSize MeasureText(FontId fontId, std::string_view text);

// A bordered panel grown upwards by a title line in the large font and a grey rule under it.
void DrawTitledPanel(const Rect* body, std::string_view title, ImageSurface* dest = nullptr);

}  // namespace Drobix

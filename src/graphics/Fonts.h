// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "graphics/ImageSurface.h"
#include "graphics/Rect.h"

namespace Drobix {

// The program's three fonts.
enum class FontId : int {
    Large = 0,
    Small = 1,  // with arrow glyphs
    Digits = 2,
};

// One bitmap font: where each glyph (one Windows-1252 byte) lies in the font picture.
struct BitmapFont {
    std::array<std::optional<Rect>, 256> glyphs;
    ImageSurface* image = nullptr;  // owned by the image registry
    int32_t lineHeight = 0;
    int32_t spacing = 0;

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

// Text is drawn with its first glyph's top-left corner at (x, y); a line feed starts a new
// line below. Bytes without a glyph draw nothing and advance by the spacing.
void DrawString(FontId fontId, std::string_view text, int x, int y, ImageSurface* dest = nullptr);
void DrawStringScaled(FontId fontId, std::string_view text, int x, int y, float scale,
                      ImageSurface* dest = nullptr);
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

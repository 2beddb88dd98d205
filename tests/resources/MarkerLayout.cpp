// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/MarkerLayout.h"

namespace Drobix::Testing {

namespace {

using Pixel = DecodedPicture::Pixel;
constexpr Pixel kRed{255, 0, 0};
constexpr Pixel kGreen{0, 255, 0};

Pixel Other(Pixel colour) {
    return colour == kRed ? kGreen : kRed;
}

// A pixel outside the picture matches no marker colour.
bool Is(const DecodedPicture& picture, int x, int y, Pixel colour) {
    return x >= 0 && y >= 0 && x < picture.width && y < picture.height &&
           picture.At(x, y) == colour;
}

}  // namespace

int MarkerFont::Width(unsigned char c) const {
    auto found = glyphs.find(c);
    return found == glyphs.end() ? 0 : found->second.Width();
}

int MarkerFont::Measure(std::string_view text) const {
    int width = 0;
    for (char c : text) {
        width += Width(static_cast<unsigned char>(c)) + spacing;
    }
    return width;
}

std::optional<MarkerFont> ReadMarkerFont(const DecodedPicture& picture, std::string_view glyphOrder,
                                         int spacing) {
    MarkerFont font;
    font.spacing = spacing;
    int x = 1;
    int y = 0;
    int glyphStart = 1;
    int rowHeight = -1;  // not measured yet
    Pixel glyphColour = kRed;
    Pixel rowColour = kRed;
    for (char ch : glyphOrder) {
        if (rowHeight < 0 || ch == '\n') {
            if (ch == '\n') {
                x = 1;
                glyphStart = 1;
                y += rowHeight + 1;
            }
            int run = 0;
            while (Is(picture, 0, y + run, rowColour)) {
                ++run;
            }
            if (run < 2) {
                return std::nullopt;  // no glyph row where one is expected
            }
            rowHeight = run - 1;
            if (font.lineHeight == 0) {
                font.lineHeight = rowHeight;
            }
            rowColour = Other(rowColour);
            if (ch == '\n') {
                continue;
            }
        }
        if (!Is(picture, glyphStart, y, glyphColour)) {
            return std::nullopt;  // the glyph's run has the wrong colour or is missing
        }
        int p = x;
        while (Is(picture, p, y, glyphColour)) {
            ++p;
        }
        font.glyphs[static_cast<unsigned char>(ch)] = {glyphStart, y + 1, p, y + 1 + rowHeight};
        x = p + 1;
        glyphStart = p;
        glyphColour = Other(glyphColour);
    }
    return font;
}

}  // namespace Drobix::Testing

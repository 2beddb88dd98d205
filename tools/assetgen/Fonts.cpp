// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "Codecs.h"
#include "GlyphRenderer.h"
#include "Pictures.h"
#include "ResourceIds.h"

namespace Drobix::AssetGen {

namespace Art {

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};

// One glyph row of a font picture: its characters and their widths in pixels.
struct GlyphRowPlan {
    std::string characters;
    std::vector<int> widths;
};

// Paints a glyph into its cell: (x, y) run over the cell, 0..width-1 and 0..height-1.
using CellPainter = std::function<Rgb(unsigned char ch, int x, int y)>;

// Lays out the markers and glyph cells of a font picture and paints every glyph. `runLength`
// is the height of a glyph row including its marker row.
FontPicture LayOutFont(int width, int height, int runLength, int spacing,
                       const std::vector<GlyphRowPlan>& rows, const CellPainter& paint) {
    FontPicture font;
    font.picture = RgbImage(width, height);
    font.lineHeight = runLength - 1;
    font.spacing = spacing;
    int glyphIndex = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        const int markerRow = static_cast<int>(r) * runLength;
        for (int y = markerRow; y < markerRow + runLength; ++y) {
            font.picture.At(0, y) = r % 2 == 0 ? kRed : kGreen;
        }
        if (r > 0) {
            font.glyphOrder += '\n';
        }
        int x = 1;
        for (size_t i = 0; i < rows[r].characters.size(); ++i, ++glyphIndex) {
            const auto ch = static_cast<unsigned char>(rows[r].characters[i]);
            const int w = rows[r].widths[i];
            font.glyphOrder += static_cast<char>(ch);
            font.glyphs[ch] = {x, markerRow + 1, x + w, markerRow + runLength};
            for (int gx = 0; gx < w; ++gx) {
                font.picture.At(x + gx, markerRow) = glyphIndex % 2 == 0 ? kRed : kGreen;
                for (int gy = 0; gy < runLength - 1; ++gy) {
                    Rgb pixel = paint(ch, gx, gy);
                    // Glyph pixels must never read as markers.
                    if (pixel == kRed || pixel == kGreen) {
                        pixel.b = 1;
                    }
                    font.picture.At(x + gx, markerRow + 1 + gy) = pixel;
                }
            }
            x += w;
        }
        if (x > width) {
            std::fprintf(stderr, "assetgen: glyph row %zu is %d pixels, wider than %d\n", r, x,
                         width);
            std::exit(1);
        }
    }
    return font;
}

// Coverage (0..1) of one glyph placed in a cell, horizontally centred by its advance and
// standing on `baseline` (a cell row). A glyph whose ink and `margin` on either side would not
// fit the cell is rendered narrower until it does.
struct CellCoverage {
    int width = 0;
    int height = 0;
    std::vector<float> values;
    float Get(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return 0;
        }
        return values[static_cast<size_t>(y) * width + x];
    }
};

CellCoverage RenderIntoCell(GlyphRenderer& renderer, float emWidth, float emHeight,
                            unsigned long codePoint, int cellWidth, int cellHeight, int baseline,
                            int margin) {
    CellCoverage cell{cellWidth, cellHeight,
                      std::vector<float>(static_cast<size_t>(cellWidth) * cellHeight, 0)};
    float em = emWidth;
    GlyphBitmap glyph;
    for (int attempt = 0; attempt < 20; ++attempt) {
        renderer.SetSize(em, emHeight);
        glyph = renderer.Render(codePoint);
        if (glyph.width + 2 * margin <= cellWidth) {
            break;
        }
        em *= 0.96f;
    }
    // Centre the ink when the advance would push it out of the cell.
    int left = static_cast<int>(std::lround((cellWidth - glyph.advance) / 2)) + glyph.left;
    left = std::clamp(left, margin, std::max(margin, cellWidth - margin - glyph.width));
    const int top = baseline - glyph.top;
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            const int cx = left + x;
            const int cy = top + y;
            if (cx >= 0 && cy >= 0 && cx < cellWidth && cy < cellHeight) {
                cell.values[static_cast<size_t>(cy) * cellWidth + cx] = glyph.At(x, y) / 255.0f;
            }
        }
    }
    return cell;
}

// The coverage grown by `radius` pixels (a round brush), for outlines.
float Dilated(const CellCoverage& cell, int x, int y, float radius) {
    float best = 0;
    const int r = static_cast<int>(std::ceil(radius));
    for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx) {
            const float d = std::hypot(static_cast<float>(dx), static_cast<float>(dy));
            const float weight = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
            best = std::max(best, cell.Get(x + dx, y + dy) * weight);
        }
    }
    return best;
}

GlyphRenderer& DejaVu() {
    static GlyphRenderer renderer(DejaVuSansBoldPath());
    if (!renderer.Ok()) {
        std::fprintf(stderr, "assetgen: cannot open %s\n", DejaVuSansBoldPath().c_str());
        std::exit(1);
    }
    return renderer;
}

// Font 0 is DejaVu Sans Bold stretched to a tall, narrow cut. The grey levels are quantised
// to the palette: black, the two marker colours and 253 greys.
constexpr float kLargeEmWidth = 19.0f;
constexpr float kLargeEmHeight = 28.0f;
constexpr int kLargeBaseline = 28;  // glyph row under which the letters stand
constexpr int kLargeTracking = 1;

uint8_t LargeFontGrey(const CellCoverage& cell, int x, int y, int capTop) {
    const float ink = cell.Get(x, y);
    const float outline = Dilated(cell, x, y, 1.0f);
    // Bright at the top of the capitals, darker towards the baseline and below.
    const float t = std::clamp(
        static_cast<float>(y - capTop) / static_cast<float>(kLargeBaseline - capTop), 0.0f, 1.3f);
    const float fill = 246.0f - 82.0f * t;
    const float value = fill * ink + 46.0f * outline * (1 - ink);
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 255.0f)));
}

}  // namespace

FontPicture MakeLargeFont() {
    GlyphRenderer& renderer = DejaVu();
    std::vector<GlyphRowPlan> rows(2);
    for (char c = 'A'; c <= 'Z'; ++c) {
        rows[0].characters += c;
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        rows[0].characters += c;
    }
    rows[1].characters = "0123456789!@#%&*()-+=;:'\",<.>/? ";
    // Widths that the game's layout was measured with; the rest follow the face's advances.
    const std::map<char, int> fixedWidths = {{'A', 14}, {' ', 12}, {'S', 15}, {'c', 12},
                                             {'o', 15}, {'r', 10}, {'e', 15}};
    renderer.SetSize(kLargeEmWidth, kLargeEmHeight);
    for (GlyphRowPlan& row : rows) {
        for (char c : row.characters) {
            auto fixed = fixedWidths.find(c);
            if (fixed != fixedWidths.end()) {
                row.widths.push_back(fixed->second);
            } else {
                const GlyphBitmap glyph = renderer.Render(static_cast<unsigned char>(c));
                row.widths.push_back(static_cast<int>(std::lround(glyph.advance)) + kLargeTracking);
            }
        }
    }
    renderer.SetSize(kLargeEmWidth, kLargeEmHeight);
    const int capTop = kLargeBaseline - renderer.Render('H').top;

    std::map<unsigned char, CellCoverage> cells;
    for (const GlyphRowPlan& row : rows) {
        for (size_t i = 0; i < row.characters.size(); ++i) {
            const auto ch = static_cast<unsigned char>(row.characters[i]);
            cells[ch] = RenderIntoCell(renderer, kLargeEmWidth, kLargeEmHeight, ch, row.widths[i],
                                       36, kLargeBaseline, 1);
        }
    }
    FontPicture font = LayOutFont(750, 74, 37, 1, rows, [&](unsigned char ch, int x, int y) {
        const uint8_t grey = LargeFontGrey(cells.at(ch), x, y, capTop);
        return Rgb{grey, grey, grey};
    });
    return font;
}

FontPicture MakeSmallFont() {
    std::vector<GlyphRowPlan> rows(1);
    std::map<unsigned char, const PixelGlyph*> art;
    for (const PixelGlyph& glyph : SmallFontGlyphs()) {
        rows[0].characters += static_cast<char>(glyph.code);
        rows[0].widths.push_back(glyph.width);
        art[glyph.code] = &glyph;
    }
    return LayOutFont(510, 11, 11, 2, rows, [&](unsigned char ch, int x, int y) {
        const PixelGlyph& glyph = *art.at(ch);
        int row = glyph.firstRow;
        int column = 0;
        for (const char* p = glyph.rows; *p != '\0'; ++p) {
            if (*p == '|') {
                ++row;
                column = 0;
                continue;
            }
            if (row == y && column == x) {
                // Light grey, a little brighter at the top of the line.
                const auto grey = static_cast<uint8_t>(226 - 5 * y);
                return *p == '#' ? Rgb{grey, grey, grey} : Rgb{};
            }
            ++column;
        }
        return Rgb{};
    });
}

FontPicture MakeDigitFont() {
    GlyphRenderer& renderer = DejaVu();
    constexpr float kEmWidth = 31.0f;
    constexpr float kEmHeight = 42.0f;
    constexpr int kBaseline = 34;
    constexpr int kHeight = 37;
    std::vector<GlyphRowPlan> rows(1);
    rows[0].characters = "0123456789";
    rows[0].widths = {22, 19, 22, 22, 24, 22, 22, 21, 22, 22};
    renderer.SetSize(kEmWidth, kEmHeight);
    const int top = kBaseline - renderer.Render('0').top;
    std::map<unsigned char, CellCoverage> cells;
    for (size_t i = 0; i < rows[0].characters.size(); ++i) {
        const auto ch = static_cast<unsigned char>(rows[0].characters[i]);
        cells[ch] = RenderIntoCell(renderer, kEmWidth, kEmHeight, ch, rows[0].widths[i], kHeight,
                                   kBaseline, 2);
    }
    // A warm ramp from pale gold at the top through orange to a pink-red foot, a dark plum
    // outline and a light rim along the upper edges of the strokes.
    const Colour ramp[] = {Hex(0xFFF6B0), Hex(0xFFD23C), Hex(0xFF8C1E), Hex(0xE8325A)};
    return LayOutFont(220, 38, 38, 1, rows, [&](unsigned char ch, int x, int y) {
        const CellCoverage& cell = cells.at(ch);
        const float ink = cell.Get(x, y);
        const float outline = Dilated(cell, x, y, 2.0f);
        const float t =
            std::clamp(static_cast<float>(y - top) / static_cast<float>(kBaseline - top), 0.0f,
                       1.0f) *
            3.0f;
        const int segment = std::min(2, static_cast<int>(t));
        Colour fill = Mix(ramp[segment], ramp[segment + 1], t - static_cast<float>(segment));
        const float rim = ink * (1 - cell.Get(x, y - 2));
        fill = Mix(fill, {1, 1, 1}, 0.45f * rim);
        const Colour plum = Hex(0x2A0A3A);
        const Colour colour = fill * ink + plum * (outline * (1 - ink));
        return ToRgb(colour);
    });
}

}  // namespace Art

namespace {

Art::IndexedImage GreyPalettePicture(const Art::RgbImage& picture) {
    // Black first (the transparent colour), then the markers, then 253 greys.
    Art::IndexedImage image;
    image.width = picture.width;
    image.height = picture.height;
    image.palette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}};
    constexpr int kGreys = 253;
    for (int i = 1; i <= kGreys; ++i) {
        const auto v = static_cast<uint8_t>(std::lround(i * 255.0 / kGreys));
        image.palette.push_back({v, v, v});
    }
    for (const Art::Rgb& p : picture.pixels) {
        if (p == Art::Rgb{255, 0, 0}) {
            image.indices.push_back(1);
        } else if (p == Art::Rgb{0, 255, 0}) {
            image.indices.push_back(2);
        } else {
            const long level = std::lround(p.r * kGreys / 255.0);
            image.indices.push_back(static_cast<uint8_t>(level == 0 ? 0 : level + 2));
        }
    }
    return image;
}

}  // namespace

std::vector<Asset> MakeFonts() {
    return {
        {ResourceId::kSmallFontPicture, "PNG", "font-small.png",
         Art::EncodePng(GreyPalettePicture(Art::MakeSmallFont().picture))},
        {ResourceId::kLargeFontPicture, "PNG", "font-large.png",
         Art::EncodePng(GreyPalettePicture(Art::MakeLargeFont().picture))},
        {ResourceId::kDigitFontPicture, "PNG", "font-digits.png",
         Art::EncodePng(Art::MakeDigitFont().picture)},
    };
}

}  // namespace Drobix::AssetGen

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
#include "graphics/ExtraGlyphs.h"

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

// The face of the small font's added glyphs: the book weight, whose strokes come out one pixel
// wide at its size, as the small font's are.
GlyphRenderer& DejaVuBook() {
    static GlyphRenderer renderer(DejaVuSansPath());
    if (!renderer.Ok()) {
        std::fprintf(stderr, "assetgen: cannot open %s\n", DejaVuSansPath().c_str());
        std::exit(1);
    }
    return renderer;
}

// Lays out an added picture: glyphs of the given widths in order, a new row where the next
// would pass `width`, with the markers of LayOutFont. Its glyph index runs on across rows.
RgbImage LayOutExtraFont(int width, int runLength, const std::vector<int>& widths,
                         const std::function<Rgb(size_t index, int x, int y)>& paint) {
    std::vector<size_t> rowStarts{0};
    int x = 1;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (x + widths[i] > width) {
            rowStarts.push_back(i);
            x = 1;
        }
        x += widths[i];
    }
    rowStarts.push_back(widths.size());
    const int rows = static_cast<int>(rowStarts.size()) - 1;
    RgbImage picture(width, rows * runLength);
    for (int r = 0; r < rows; ++r) {
        const int markerRow = r * runLength;
        for (int y = markerRow; y < markerRow + runLength; ++y) {
            picture.At(0, y) = r % 2 == 0 ? kRed : kGreen;
        }
        x = 1;
        for (size_t i = rowStarts[static_cast<size_t>(r)];
             i < rowStarts[static_cast<size_t>(r) + 1]; ++i) {
            for (int gx = 0; gx < widths[i]; ++gx) {
                picture.At(x + gx, markerRow) = i % 2 == 0 ? kRed : kGreen;
                for (int gy = 0; gy < runLength - 1; ++gy) {
                    Rgb pixel = paint(i, gx, gy);
                    if (pixel == kRed || pixel == kGreen) {
                        pixel.b = 1;
                    }
                    picture.At(x + gx, markerRow + 1 + gy) = pixel;
                }
            }
            x += widths[i];
        }
    }
    return picture;
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

// The small font's look: a lit pixel light grey, a little brighter at the top of the line.
Rgb SmallFontPixel(bool lit, int y) {
    const auto grey = static_cast<uint8_t>(226 - 5 * y);
    return lit ? Rgb{grey, grey, grey} : Rgb{};
}

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
                return SmallFontPixel(*p == '#', y);
            }
            ++column;
        }
        return Rgb{};
    });
}

namespace {

constexpr float kDigitEmWidth = 31.0f;
constexpr float kDigitEmHeight = 42.0f;
constexpr int kDigitBaseline = 34;
constexpr int kDigitHeight = 37;

// A warm ramp from pale gold at the top through orange to a pink-red foot, a dark plum
// outline and a light rim along the upper edges of the strokes.
Rgb DigitFontPixel(const CellCoverage& cell, int x, int y, int top) {
    const Colour ramp[] = {Hex(0xFFF6B0), Hex(0xFFD23C), Hex(0xFF8C1E), Hex(0xE8325A)};
    const float ink = cell.Get(x, y);
    const float outline = Dilated(cell, x, y, 2.0f);
    const float t =
        std::clamp(static_cast<float>(y - top) / static_cast<float>(kDigitBaseline - top), 0.0f,
                   1.0f) *
        3.0f;
    const int segment = std::min(2, static_cast<int>(t));
    Colour fill = Mix(ramp[segment], ramp[segment + 1], t - static_cast<float>(segment));
    const float rim = ink * (1 - cell.Get(x, y - 2));
    fill = Mix(fill, {1, 1, 1}, 0.45f * rim);
    const Colour plum = Hex(0x2A0A3A);
    const Colour colour = fill * ink + plum * (outline * (1 - ink));
    return ToRgb(colour);
}

// The small font's size: capitals seven pixels high on rows 1..7, the baseline under row 7.
constexpr float kSmallEmWidth = 8.6f;
constexpr float kSmallEmHeight = 9.8f;
constexpr int kSmallBaseline = 8;
constexpr int kSmallHeight = 10;
constexpr float kSmallInkThreshold = 0.45f;
constexpr int kSmallSpaceWidth = 4;

// One added glyph of the small font: its lit pixels, the ink from column 0, a blank column
// after it. A glyph reaching above or below the line is drawn lower until it fits.
struct SmallGlyph {
    int width = 0;
    std::vector<bool> lit;
};

SmallGlyph RenderSmallGlyph(GlyphRenderer& renderer, char32_t codePoint) {
    float emHeight = kSmallEmHeight;
    GlyphBitmap glyph;
    for (int attempt = 0; attempt < 12; ++attempt) {
        renderer.SetSize(kSmallEmWidth, emHeight);
        glyph = renderer.Render(codePoint);
        if (glyph.top <= kSmallBaseline &&
            glyph.height - glyph.top <= kSmallHeight - kSmallBaseline) {
            break;
        }
        emHeight *= 0.92f;
    }
    SmallGlyph small;
    small.width = glyph.width == 0 ? kSmallSpaceWidth : glyph.width + 1;
    small.lit.assign(static_cast<size_t>(small.width) * kSmallHeight, false);
    const int top = kSmallBaseline - glyph.top;
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            const int cy = top + y;
            if (cy >= 0 && cy < kSmallHeight &&
                static_cast<float>(glyph.At(x, y)) >= kSmallInkThreshold * 255.0f) {
                small.lit[static_cast<size_t>(cy) * small.width + x] = true;
            }
        }
    }
    return small;
}

}  // namespace

namespace {

SmallGlyph FromPattern(int width, int firstRow, const char* rows) {
    SmallGlyph glyph;
    glyph.width = width;
    glyph.lit.assign(static_cast<size_t>(width) * kSmallHeight, false);
    int row = firstRow;
    int column = 0;
    for (const char* p = rows; *p != '\0'; ++p) {
        if (*p == '|') {
            ++row;
            column = 0;
            continue;
        }
        if (*p == '#' && row < kSmallHeight && column < width) {
            glyph.lit[static_cast<size_t>(row) * width + column] = true;
        }
        ++column;
    }
    return glyph;
}

bool Lit(const SmallGlyph& glyph, int x, int y) {
    return x >= 0 && x < glyph.width && y >= 0 && y < kSmallHeight &&
           glyph.lit[static_cast<size_t>(y) * glyph.width + x];
}

// The base letter under a mark above: one with ink on the top rows (a capital, an ascender)
// loses its middle row and moves down, so the mark has the two top rows; a dotted letter loses
// its dot.
SmallGlyph MakeRoomAbove(const SmallGlyph& base, bool dotted) {
    SmallGlyph glyph = base;
    int top = kSmallHeight;
    for (int y = kSmallHeight - 1; y >= 0; --y) {
        for (int x = 0; x < base.width; ++x) {
            if (Lit(base, x, y)) {
                top = y;
            }
        }
    }
    constexpr int kDroppedRow = 4;
    for (int y = 0; y < kSmallHeight; ++y) {
        for (int x = 0; x < base.width; ++x) {
            bool lit = Lit(base, x, y);
            if (dotted) {
                lit = y > 2 && lit;
            } else if (top <= 1 && y <= kDroppedRow) {
                lit = y >= 2 && Lit(base, x, y - 1);
            }
            glyph.lit[static_cast<size_t>(y) * glyph.width + x] = lit;
        }
    }
    return glyph;
}

SmallGlyph Compose(const SmallGlyph& base, const MarkArt& mark, bool dotted) {
    SmallGlyph glyph = mark.below ? base : MakeRoomAbove(base, dotted);
    int left = base.width;
    int right = -1;
    for (int y = 0; y < kSmallHeight; ++y) {
        for (int x = 0; x < base.width; ++x) {
            if (Lit(base, x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    const SmallGlyph art = FromPattern(8, mark.below ? 8 : 0, mark.rows);
    int markWidth = 0;
    for (int y = 0; y < kSmallHeight; ++y) {
        for (int x = 0; x < art.width; ++x) {
            markWidth = Lit(art, x, y) ? std::max(markWidth, x + 1) : markWidth;
        }
    }
    // Centred over the ink; an ogonek hangs from its right end.
    const bool ogonek = mark.mark == U'\u0328';
    const int at = ogonek ? right - 1 : (left + right + 1 - markWidth) / 2;
    const int x0 = std::max(0, at);
    const int width = std::max(glyph.width, x0 + markWidth + 1);
    SmallGlyph result;
    result.width = width;
    result.lit.assign(static_cast<size_t>(width) * kSmallHeight, false);
    for (int y = 0; y < kSmallHeight; ++y) {
        for (int x = 0; x < width; ++x) {
            result.lit[static_cast<size_t>(y) * width + x] =
                Lit(glyph, x, y) || Lit(art, x - x0, y);
        }
    }
    return result;
}

// Every added glyph of the small font, made once each, the bases of composed letters first.
class SmallExtrasMaker {
public:
    SmallGlyph Glyph(char32_t code) {
        const auto made = made_.find(code);
        if (made != made_.end()) {
            return made->second;
        }
        SmallGlyph glyph = Make(code);
        made_[code] = glyph;
        return glyph;
    }

private:
    SmallGlyph Make(char32_t code) {
        if (code < 0x80) {
            for (const PixelGlyph& ascii : SmallFontGlyphs()) {
                if (ascii.code == code) {
                    return FromPattern(ascii.width, ascii.firstRow, ascii.rows);
                }
            }
        }
        for (const ExtraPixelGlyph& drawn : SmallFontDrawnExtras()) {
            if (drawn.code == code) {
                return FromPattern(drawn.width, drawn.firstRow, drawn.rows);
            }
        }
        for (const Lookalike& lookalike : SmallFontLookalikes()) {
            if (lookalike.code == code) {
                return Glyph(static_cast<unsigned char>(lookalike.latin));
            }
        }
        for (const ComposedLetter& letter : SmallFontComposedLetters()) {
            if (letter.code != code) {
                continue;
            }
            for (const MarkArt& mark : SmallFontMarks()) {
                if (mark.mark == letter.mark) {
                    const bool dotted = letter.base == 'i' || letter.base == 'j' ||
                                        letter.base == U'\u0456' || letter.base == U'\u0458';
                    return Compose(Glyph(letter.base), mark, dotted);
                }
            }
        }
        return RenderSmallGlyph(DejaVuBook(), code);
    }

    std::map<char32_t, SmallGlyph> made_;
};

}  // namespace

FontPicture MakeSmallFontExtras() {
    SmallExtrasMaker maker;
    std::vector<SmallGlyph> glyphs;
    std::vector<int> widths;
    for (const char32_t c : ExtraGlyphOrder()) {
        glyphs.push_back(maker.Glyph(c));
        widths.push_back(glyphs.back().width);
    }
    FontPicture font;
    font.picture = LayOutExtraFont(
        kExtraPictureWidth, kSmallHeight + 1, widths,
        [&](size_t index, int x, int y) { return SmallFontPixel(Lit(glyphs[index], x, y), y); });
    return font;
}

FontPicture MakeLargeFontExtras() {
    GlyphRenderer& renderer = DejaVu();
    renderer.SetSize(kLargeEmWidth, kLargeEmHeight);
    const int capTop = kLargeBaseline - renderer.Render('H').top;
    std::vector<CellCoverage> cells;
    std::vector<int> widths;
    for (const char32_t c : ExtraGlyphOrder()) {
        renderer.SetSize(kLargeEmWidth, kLargeEmHeight);
        const GlyphBitmap glyph = renderer.Render(c);
        widths.push_back(static_cast<int>(std::lround(glyph.advance)) + kLargeTracking);
        cells.push_back(RenderIntoCell(renderer, kLargeEmWidth, kLargeEmHeight, c, widths.back(),
                                       36, kLargeBaseline, 1));
    }
    FontPicture font;
    font.picture = LayOutExtraFont(kExtraPictureWidth, 37, widths, [&](size_t index, int x, int y) {
        const uint8_t grey = LargeFontGrey(cells[index], x, y, capTop);
        return Rgb{grey, grey, grey};
    });
    return font;
}

FontPicture MakeDigitFontExtras() {
    GlyphRenderer& renderer = DejaVu();
    renderer.SetSize(kDigitEmWidth, kDigitEmHeight);
    const int top = kDigitBaseline - renderer.Render('0').top;
    std::vector<CellCoverage> cells;
    std::vector<int> widths;
    for (const char32_t c : ExtraGlyphOrder()) {
        renderer.SetSize(kDigitEmWidth, kDigitEmHeight);
        const GlyphBitmap glyph = renderer.Render(c);
        widths.push_back(static_cast<int>(std::lround(glyph.advance)) + 2);
        cells.push_back(RenderIntoCell(renderer, kDigitEmWidth, kDigitEmHeight, c, widths.back(),
                                       kDigitHeight, kDigitBaseline, 2));
    }
    FontPicture font;
    font.picture = LayOutExtraFont(kExtraPictureWidth, 38, widths, [&](size_t index, int x, int y) {
        return DigitFontPixel(cells[index], x, y, top);
    });
    return font;
}

FontPicture MakeDigitFont() {
    GlyphRenderer& renderer = DejaVu();
    constexpr float kEmWidth = kDigitEmWidth;
    constexpr float kEmHeight = kDigitEmHeight;
    constexpr int kBaseline = kDigitBaseline;
    constexpr int kHeight = kDigitHeight;
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
    return LayOutFont(220, 38, 38, 1, rows, [&](unsigned char ch, int x, int y) {
        return DigitFontPixel(cells.at(ch), x, y, top);
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
        {ResourceId::kSmallFontExtraPicture, "PNG", "font-small-extra.png",
         Art::EncodePng(GreyPalettePicture(Art::MakeSmallFontExtras().picture))},
        {ResourceId::kLargeFontExtraPicture, "PNG", "font-large-extra.png",
         Art::EncodePng(GreyPalettePicture(Art::MakeLargeFontExtras().picture))},
        {ResourceId::kDigitFontExtraPicture, "PNG", "font-digits-extra.png",
         Art::EncodePng(Art::MakeDigitFontExtras().picture)},
    };
}

}  // namespace Drobix::AssetGen

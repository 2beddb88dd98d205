// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/Fonts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>

#include "graphics/Display.h"
#include "graphics/ImageResources.h"
#include "graphics/PixelBlit.h"
#include "resources/ResourceIds.h"

namespace Drobix {

namespace {

constexpr uint32_t kBlackKey = 0;

constexpr char kLargeGlyphOrder[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz\n"
    "0123456789!@#%&*()-+=;:'\",<.>/? ";
// The last five before the space are arrows left, right, up, down and a copyright sign.
constexpr char kSmallGlyphOrder[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!@#%&*()-+=;:'\",<.>/?"
    "\xAB\xBB\xBC\xA1\xEF ";
constexpr char kDigitGlyphOrder[] = "0123456789";

// Marker colours as they read back from a 16-bit picture.
constexpr uint16_t kMarkerRed = PackRgb565(255, 0, 0);
constexpr uint16_t kMarkerGreen = PackRgb565(0, 255, 0);

// Title panel geometry around a title of height h: the panel grows by h + 7 above the body,
// the title sits 5 pixels inside, and a 2-pixel rule lies under it.
constexpr int kTitleInset = 5;
constexpr int kTitleRuleInset = 2;
constexpr int kTitleRuleHeight = 2;
constexpr int kTitleExtra = kTitleInset + kTitleRuleHeight;

std::map<FontId, std::unique_ptr<BitmapFont>> fontTable;

// A picture pixel; outside the picture nothing matches a marker.
bool PixelIs(const ImageSurface& image, int x, int y, uint16_t colour) {
    if (!image.HasPixels() || x < 0 || y < 0 || x >= image.width || y >= image.height) {
        return false;
    }
    return image.Pixels()[static_cast<size_t>(y) * image.width + x] == colour;
}

uint16_t OtherMarker(uint16_t colour) {
    return colour == kMarkerRed ? kMarkerGreen : kMarkerRed;
}

// Truncates toward zero, treating what no int can hold as nothing.
int ScaledLength(double length, float scale) {
    const double scaled = length * static_cast<double>(scale);
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 1e9) {
        return 0;
    }
    return static_cast<int>(scaled);
}

struct Pen {
    int x;
    int y;
};

void NewLine(const BitmapFont& font, Pen& pen, int left) {
    pen = {left, pen.y + font.lineHeight + font.spacing};
}

// The glyphs of a string, drawn together as one batch of keyed copies: the frame record then
// keeps one draw for a string instead of one per letter.
class GlyphBatch {
public:
    GlyphBatch(const BitmapFont& font, ImageSurface* dest) : font_(font), dest_(dest) {}

    void Add(char ch, Pen& pen) {
        if (count_ == parts_.size()) {
            Draw();
        }
        const Rect glyph = font_.GetGlyph(ch);
        parts_[count_++] = {glyph, pen.x, pen.y};
        pen.x += glyph.Width() + font_.spacing;
    }

    void Draw() {
        DrawImagePartsKeyed(font_.image, {parts_.data(), count_}, dest_);
        count_ = 0;
    }

private:
    static constexpr size_t kGlyphsPerBatch = 128;

    const BitmapFont& font_;
    ImageSurface* dest_;
    std::array<PartCopy, kGlyphsPerBatch> parts_{};
    size_t count_ = 0;
};

int GlyphAdvance(const BitmapFont& font, char ch) {
    return font.GetGlyph(ch).Width() + font.spacing;
}

}  // namespace

void BuildFonts() {
    BuildFont(FontId::Large, kLargeGlyphOrder,
              LoadPngImageKeyed(ResourceId::kLargeFontPicture, kBlackKey, kBlackKey), 1);
    BuildFont(FontId::Small, kSmallGlyphOrder,
              LoadPngImageKeyed(ResourceId::kSmallFontPicture, kBlackKey, kBlackKey), 2);
    BuildFont(FontId::Digits, kDigitGlyphOrder,
              LoadPngImageKeyed(ResourceId::kDigitFontPicture, kBlackKey, kBlackKey), 1);
}

bool BuildFont(FontId fontId, const char* glyphOrder, ImageSurface* image, int spacing) {
    auto font = std::make_unique<BitmapFont>();
    font->image = image;
    font->spacing = spacing;
    bool followsLayout = image != nullptr && glyphOrder != nullptr;
    int x = 1;
    int y = 0;
    int glyphStart = 1;
    int rowHeight = 0;
    bool rowMeasured = false;
    uint16_t glyphColour = kMarkerRed;
    uint16_t rowColour = kMarkerRed;
    for (const char* next = glyphOrder; followsLayout && *next != '\0';) {
        const char ch = *next;
        if (!rowMeasured || ch == '\n') {
            if (ch == '\n') {
                x = 1;
                glyphStart = 1;
                y += rowHeight + 1;
                ++next;
            }
            int run = 0;
            while (PixelIs(*image, 0, y + run, rowColour)) {
                ++run;
            }
            // A row needs its marker row and at least one pixel row of glyphs.
            followsLayout = run >= 2;
            rowHeight = run - 1;
            rowMeasured = true;
            if (font->lineHeight == 0) {
                font->lineHeight = std::max(rowHeight, 0);
            }
            rowColour = OtherMarker(rowColour);
            continue;
        }
        // Each glyph's run begins at glyphStart in the colour expected for it.
        if (!PixelIs(*image, glyphStart, y, glyphColour)) {
            followsLayout = false;
            break;
        }
        int end = x;
        while (PixelIs(*image, end, y, glyphColour)) {
            ++end;
        }
        font->glyphs[static_cast<uint8_t>(ch)] = Rect{glyphStart, y + 1, end, y + 1 + rowHeight};
        x = end + 1;
        glyphStart = end;
        glyphColour = OtherMarker(glyphColour);
        ++next;
    }
    fontTable[fontId] = std::move(font);
    return followsLayout;
}

void FreeFonts() {
    fontTable.clear();
}

const BitmapFont* GetFont(FontId fontId) {
    const auto found = fontTable.find(fontId);
    return found == fontTable.end() ? nullptr : found->second.get();
}

bool FontHasGlyph(FontId fontId, char ch) {
    const BitmapFont* font = GetFont(fontId);
    return font != nullptr && font->glyphs[static_cast<uint8_t>(ch)].has_value();
}

void DrawString(FontId fontId, std::string_view text, int x, int y, ImageSurface* dest) {
    const BitmapFont* font = GetFont(fontId);
    if (font == nullptr) {
        return;
    }
    Pen pen{x, y};
    GlyphBatch glyphs(*font, dest);
    for (const char ch : text) {
        if (ch == '\n') {
            NewLine(*font, pen, x);
        } else {
            glyphs.Add(ch, pen);
        }
    }
    glyphs.Draw();
}

void DrawStringScaled(FontId fontId, std::string_view text, int x, int y, float scale,
                      ImageSurface* dest) {
    const BitmapFont* font = GetFont(fontId);
    if (font == nullptr) {
        return;
    }
    Pen pen{x, y};
    for (const char ch : text) {
        if (ch == '\n') {
            pen = {x, pen.y + ScaledLength(font->lineHeight, scale) + font->spacing};
            continue;
        }
        const Rect glyph = font->GetGlyph(ch);
        const int width = ScaledLength(glyph.Width(), scale);
        const Rect target{pen.x, pen.y, pen.x + width, pen.y + ScaledLength(glyph.Height(), scale)};
        if (!target.IsEmpty()) {
            StretchImageKeyed(font->image, &glyph, &target, dest);
        }
        pen.x += width + font->spacing;
    }
}

void DrawStringWrapped(FontId fontId, std::string_view text, const Rect* box, ImageSurface* dest) {
    const BitmapFont* font = GetFont(fontId);
    if (font == nullptr || box == nullptr) {
        return;
    }
    Pen pen{box->left, box->top};
    GlyphBatch glyphs(*font, dest);
    int wordWidth = 0;
    size_t wordStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const bool last = i + 1 == text.size();
        if (ch != ' ' && ch != '\n' && !last) {
            wordWidth += GlyphAdvance(*font, ch);
            continue;
        }
        // A trailing space belongs to the word before it.
        if (ch == ' ' || (last && ch != '\n')) {
            wordWidth += GlyphAdvance(*font, ch);
        }
        if (wordWidth != 0) {
            if (pen.x + wordWidth >= box->right) {
                NewLine(*font, pen, box->left);
            }
            for (size_t j = wordStart; j <= i; ++j) {
                if (text[j] != '\n') {
                    glyphs.Add(text[j], pen);
                }
            }
            wordWidth = 0;
        }
        wordStart = i + 1;
        if (ch == '\n') {
            NewLine(*font, pen, box->left);
        }
    }
    glyphs.Draw();
}

void MeasureString(FontId fontId, std::string_view text, unsigned* width, unsigned* height,
                   float scale) {
    unsigned measuredWidth = 0;
    unsigned measuredHeight = 0;
    const BitmapFont* font = GetFont(fontId);
    if (font != nullptr && !text.empty()) {
        int lines = 1;
        int widest = 0;
        int current = 0;
        for (const char ch : text) {
            if (ch == '\n') {
                ++lines;
                widest = std::max(widest, current);
                current = 0;
            } else {
                current += ScaledLength(font->GetGlyph(ch).Width(), scale) + font->spacing;
            }
        }
        measuredWidth = static_cast<unsigned>(std::max({widest, current, 0}));
        measuredHeight = static_cast<unsigned>(
            std::max(ScaledLength(static_cast<double>(lines) * font->lineHeight, scale), 0));
    }
    if (width != nullptr) {
        *width = measuredWidth;
    }
    if (height != nullptr) {
        *height = measuredHeight;
    }
}

TextSize MeasureText(FontId fontId, std::string_view text) {
    unsigned width = 0;
    unsigned height = 0;
    MeasureString(fontId, text, &width, &height);
    return {static_cast<int>(width), static_cast<int>(height)};
}

void DrawTitledPanel(const Rect* body, std::string_view title, ImageSurface* dest) {
    if (body == nullptr) {
        return;
    }
    const int h = MeasureText(FontId::Large, title).height;
    const int top = body->top - h - kTitleExtra;
    const Rect panel{body->left, top, body->right, body->bottom};
    DrawBorderedPanel(&panel, dest);
    DrawStringScaled(FontId::Large, title, body->left + kTitleInset, top + kTitleInset, 1.0f, dest);
    const Rect onePixel{0, 0, 1, 1};
    const Rect rule{body->left + kTitleRuleInset, top + h + kTitleInset,
                    body->right - kTitleRuleInset, top + h + kTitleExtra};
    StretchImage(BorderImage(), &onePixel, &rule, dest);
}

}  // namespace Drobix

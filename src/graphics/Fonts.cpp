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
#include "graphics/ExtraGlyphs.h"
#include "graphics/ImageResources.h"
#include "graphics/LayoutRecord.h"
#include "graphics/PixelBlit.h"
#include "resources/ResourceIds.h"

namespace Drobix {

namespace {

constexpr uint32_t kBlackKey = 0;
// How near 1 a scale must be for its glyphs to be drawn pixel for pixel.
constexpr float kWholeScale = 1e-6f;

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

// Windows-1252's characters for the bytes 0x80..0x9F; the others are Latin-1's own.
constexpr std::array<char16_t, 32> kWindows1252High{
    u'\u20AC', u'\uFFFD', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\uFFFD', u'\u017D', u'\uFFFD',
    u'\uFFFD', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\uFFFD', u'\u017E', u'\u0178'};

constexpr uint8_t kFirstHighByte = 0x80;
constexpr uint8_t kFirstLatin1Byte = 0xA0;

char32_t SingleByteCharacter(uint8_t byte) {
    for (const SpecialGlyphByte& special : kSpecialGlyphBytes) {
        if (static_cast<uint8_t>(special.byte) == byte) {
            return special.codePoint;
        }
    }
    if (byte >= kFirstHighByte && byte < kFirstLatin1Byte) {
        return kWindows1252High[byte - kFirstHighByte];
    }
    return byte;
}

bool IsContinuation(std::string_view text, size_t at) {
    return at < text.size() && (static_cast<uint8_t>(text[at]) & 0xC0U) == 0x80U;
}

// A glyph to draw: its picture (null: nothing) and its place there.
struct GlyphPick {
    ImageSurface* image = nullptr;
    Rect rect;
};

// The second picture's glyphs, read at the first character that needs them.
const BitmapFont& WithExtras(const BitmapFont& constFont) {
    auto& font =
        const_cast<BitmapFont&>(constFont);  // NOLINT(cppcoreguidelines-pro-type-const-cast)
    if (!font.extrasRead) {
        font.extrasRead = true;
        if (font.extraResourceId != 0) {
            BuildExtraGlyphs(font, LoadPngImageKeyed(font.extraResourceId, kBlackKey, kBlackKey));
        }
    }
    return font;
}

std::optional<Rect> FindExtra(const BitmapFont& font, char32_t c) {
    const auto found = std::lower_bound(
        font.extras.begin(), font.extras.end(), c,
        [](const ExtraGlyph& glyph, char32_t code) { return glyph.codePoint < code; });
    if (found == font.extras.end() || found->codePoint != c) {
        return std::nullopt;
    }
    return found->rect;
}

GlyphPick PickGlyph(const BitmapFont& font, char32_t c) {
    if (c < kFirstHighByte) {
        return {font.image, font.glyphs[c].value_or(Rect{})};
    }
    for (const SpecialGlyphByte& special : kSpecialGlyphBytes) {
        const auto byte = static_cast<uint8_t>(special.byte);
        if (special.codePoint == c && font.glyphs[byte].has_value()) {
            return {font.image, *font.glyphs[byte]};
        }
    }
    const BitmapFont& full = WithExtras(font);
    if (const auto rect = FindExtra(full, c)) {
        return {full.extraImage, *rect};
    }
    if (const auto rect = FindExtra(full, kReplacementCharacter)) {
        return {full.extraImage, *rect};
    }
    return {font.image, font.glyphs['?'].value_or(Rect{})};
}

// The lit pixels of a glyph placed at (x, y): the smallest rectangle around them, empty for
// none. Only for the layout record.
Rect GlyphInk(const GlyphPick& glyph, int x, int y) {
    const ImageSurface* image = glyph.image;
    if (image == nullptr || !image->HasPixels()) {
        return {};
    }
    Rect ink{glyph.rect.right, glyph.rect.bottom, glyph.rect.left, glyph.rect.top};
    for (int py = std::max(glyph.rect.top, 0); py < std::min(glyph.rect.bottom, image->height);
         ++py) {
        for (int px = std::max(glyph.rect.left, 0); px < std::min(glyph.rect.right, image->width);
             ++px) {
            if (image->Pixels()[static_cast<size_t>(py) * image->width + px] != kBlackKey) {
                ink = {std::min(ink.left, px), std::min(ink.top, py), std::max(ink.right, px + 1),
                       std::max(ink.bottom, py + 1)};
            }
        }
    }
    if (ink.IsEmpty()) {
        return {};
    }
    return {x + ink.left - glyph.rect.left, y + ink.top - glyph.rect.top,
            x + ink.right - glyph.rect.left, y + ink.bottom - glyph.rect.top};
}

Rect Union(const Rect& a, const Rect& b) {
    if (a.IsEmpty()) {
        return b;
    }
    if (b.IsEmpty()) {
        return a;
    }
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// Notes a text whose lit pixels lie in `ink`, when the layout is recorded.
void NoteText(FontId fontId, std::string_view text, const Rect& ink, const ImageSurface* dest) {
    RecordedText recorded{std::string(text), fontId, ink, IsClipping(), dest == nullptr, 0, 0};
    if (dest != nullptr) {
        recorded.surfaceWidth = dest->width;
        recorded.surfaceHeight = dest->height;
    }
    RecordDrawnText(recorded);
}

void NewLine(const BitmapFont& font, Pen& pen, int left) {
    pen = {left, pen.y + font.LineAdvance()};
}

// The glyphs of a string, drawn together as one batch of keyed copies: the frame record then
// keeps one draw for a string instead of one per letter.
class GlyphBatch {
public:
    GlyphBatch(const BitmapFont& font, ImageSurface* dest)
        : font_(font), dest_(dest), image_(font.image) {}

    void Add(char32_t c, Pen& pen) {
        const GlyphPick glyph = PickGlyph(font_, c);
        if (count_ == parts_.size() || glyph.image != image_) {
            Draw();
            image_ = glyph.image;
        }
        parts_[count_++] = {glyph.rect, pen.x, pen.y};
        if (IsLayoutRecorded()) {
            ink_ = Union(ink_, GlyphInk(glyph, pen.x, pen.y));
        }
        pen.x += glyph.rect.Width() + font_.spacing;
    }

    const Rect& Ink() const { return ink_; }

    void Draw() {
        if (count_ != 0 || image_ == font_.image) {
            DrawImagePartsKeyed(image_, {parts_.data(), count_}, dest_);
        }
        count_ = 0;
    }

private:
    static constexpr size_t kGlyphsPerBatch = 128;

    const BitmapFont& font_;
    ImageSurface* dest_;
    ImageSurface* image_;
    Rect ink_;
    std::array<PartCopy, kGlyphsPerBatch> parts_{};
    size_t count_ = 0;
};

int GlyphAdvance(const BitmapFont& font, char32_t c) {
    return PickGlyph(font, c).rect.Width() + font.spacing;
}

}  // namespace

void BuildFonts() {
    BuildFont(FontId::Large, kLargeGlyphOrder,
              LoadPngImageKeyed(ResourceId::kLargeFontPicture, kBlackKey, kBlackKey), 1);
    BuildFont(FontId::Small, kSmallGlyphOrder,
              LoadPngImageKeyed(ResourceId::kSmallFontPicture, kBlackKey, kBlackKey), 2);
    BuildFont(FontId::Digits, kDigitGlyphOrder,
              LoadPngImageKeyed(ResourceId::kDigitFontPicture, kBlackKey, kBlackKey), 1);
    const std::pair<FontId, int> extras[] = {
        {FontId::Large, ResourceId::kLargeFontExtraPicture},
        {FontId::Small, ResourceId::kSmallFontExtraPicture},
        {FontId::Digits, ResourceId::kDigitFontExtraPicture},
    };
    for (const auto& [fontId, resourceId] : extras) {
        fontTable[fontId]->extraResourceId = resourceId;
    }
}

bool BuildExtraGlyphs(BitmapFont& font, ImageSurface* image) {
    font.extraImage = image;
    font.extras.clear();
    if (image == nullptr) {
        return false;
    }
    static constexpr auto kOrder = ExtraGlyphOrder();
    size_t next = 0;
    uint16_t rowColour = kMarkerRed;
    int y = 0;
    // Row after row: the column-0 run gives the row's height; along the marker row, each glyph's
    // run is one marker colour, the next glyph's the other, up to the first pixel of neither.
    while (next < kOrder.size()) {
        int run = 0;
        while (PixelIs(*image, 0, y + run, rowColour)) {
            ++run;
        }
        if (run < 2) {
            return false;
        }
        int x = 1;
        while (next < kOrder.size()) {
            const uint16_t colour = PixelIs(*image, x, y, kMarkerRed)     ? kMarkerRed
                                    : PixelIs(*image, x, y, kMarkerGreen) ? kMarkerGreen
                                                                          : 0;
            if (colour == 0) {
                break;
            }
            int end = x;
            while (PixelIs(*image, end, y, colour)) {
                ++end;
            }
            font.extras.push_back({kOrder[next++], Rect{x, y + 1, end, y + run}});
            x = end;
        }
        y += run;
        rowColour = OtherMarker(rowColour);
    }
    std::sort(font.extras.begin(), font.extras.end(),
              [](const ExtraGlyph& a, const ExtraGlyph& b) { return a.codePoint < b.codePoint; });
    return true;
}

char32_t NextCharacter(std::string_view text, size_t& at) {
    const auto lead = static_cast<uint8_t>(text[at]);
    size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1FU;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0FU;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07U;
        least = 0x10000;
    }
    bool valid = length != 0;
    for (size_t i = 1; valid && i < length; ++i) {
        valid = IsContinuation(text, at + i);
        if (valid) {
            value = (value << 6U) | (static_cast<uint8_t>(text[at + i]) & 0x3FU);
        }
    }
    if (!valid || value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++at;
        return SingleByteCharacter(lead);
    }
    at += length;
    return value;
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
    for (size_t at = 0; at < text.size();) {
        const char32_t c = NextCharacter(text, at);
        if (c == '\n') {
            NewLine(*font, pen, x);
        } else {
            glyphs.Add(c, pen);
        }
    }
    glyphs.Draw();
    if (IsLayoutRecorded()) {
        NoteText(fontId, text, glyphs.Ink(), dest);
    }
}

int TextLineTop(FontId fontId, int top, int line) {
    const BitmapFont* font = GetFont(fontId);
    return font == nullptr ? top : top + line * font->LineAdvance();
}

void DrawStringScaled(FontId fontId, std::string_view text, int x, int y, float scale,
                      ImageSurface* dest) {
    const BitmapFont* font = GetFont(fontId);
    if (font == nullptr) {
        return;
    }
    Pen pen{x, y};
    Rect ink;
    for (size_t at = 0; at < text.size();) {
        const char32_t c = NextCharacter(text, at);
        if (c == '\n') {
            pen = {x, pen.y + ScaledLength(font->lineHeight, scale) + font->spacing};
            continue;
        }
        const GlyphPick pick = PickGlyph(*font, c);
        const Rect glyph = pick.rect;
        const int width = ScaledLength(glyph.Width(), scale);
        const Rect target{pen.x, pen.y, pen.x + width, pen.y + ScaledLength(glyph.Height(), scale)};
        if (!target.IsEmpty()) {
            StretchImageKeyed(pick.image, &glyph, &target, dest);
            if (IsLayoutRecorded()) {
                ink =
                    Union(ink, std::fabs(scale - 1.0f) < kWholeScale ? GlyphInk(pick, pen.x, pen.y)
                                                                     : target);
            }
        }
        pen.x += width + font->spacing;
    }
    if (IsLayoutRecorded()) {
        NoteText(fontId, text, ink, dest);
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
    for (size_t at = 0; at < text.size();) {
        const char32_t c = NextCharacter(text, at);
        const bool last = at == text.size();
        if (c != ' ' && c != '\n' && !last) {
            wordWidth += GlyphAdvance(*font, c);
            continue;
        }
        // A trailing space belongs to the word before it.
        if (c == ' ' || (last && c != '\n')) {
            wordWidth += GlyphAdvance(*font, c);
        }
        if (wordWidth != 0) {
            if (pen.x + wordWidth >= box->right) {
                NewLine(*font, pen, box->left);
            }
            for (size_t j = wordStart; j < at;) {
                const char32_t wordCharacter = NextCharacter(text, j);
                if (wordCharacter != '\n') {
                    glyphs.Add(wordCharacter, pen);
                }
            }
            wordWidth = 0;
        }
        wordStart = at;
        if (c == '\n') {
            NewLine(*font, pen, box->left);
        }
    }
    glyphs.Draw();
    if (IsLayoutRecorded()) {
        NoteText(fontId, text, glyphs.Ink(), dest);
    }
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
        for (size_t at = 0; at < text.size();) {
            const char32_t c = NextCharacter(text, at);
            if (c == '\n') {
                ++lines;
                widest = std::max(widest, current);
                current = 0;
            } else {
                current += ScaledLength(PickGlyph(*font, c).rect.Width(), scale) + font->spacing;
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

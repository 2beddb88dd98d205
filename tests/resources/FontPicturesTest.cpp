// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/Resources.h"
#include "resources/MarkerLayout.h"
#include "resources/PictureReader.h"
#include "resources/ResourceIds.h"

namespace Drobix {
namespace {

using Testing::DecodedPicture;
using Testing::GlyphBox;
using Testing::MarkerFont;

const std::string kLargeOrder =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz\n0123456789!@#%&*()-+=;:'\",<.>/? ";
const std::string kSmallOrder =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!@#%&*()-+=;:'\",<.>/?"
    "\xAB\xBB\xBC\xA1\xEF ";
const std::string kDigitOrder = "0123456789";

struct FontCase {
    const char* name;
    int resourceId;
    const std::string* order;
    int spacing;
    int width;
    int height;
    int colourType;
    size_t glyphCount;
    int lineHeight;
    int rowRuns;  // glyph rows, alternating red and green runs in column 0
};

const FontCase kFonts[] = {
    {"Large", ResourceId::kLargeFontPicture, &kLargeOrder, 1, 750, 74, 3, 84, 36, 2},
    {"Small", ResourceId::kSmallFontPicture, &kSmallOrder, 2, 510, 11, 3, 89, 10, 1},
    {"Digits", ResourceId::kDigitFontPicture, &kDigitOrder, 1, 220, 38, 2, 10, 37, 1},
};

class FontPicture : public testing::TestWithParam<FontCase> {
protected:
    void SetUp() override {
        const auto bytes = Platform::FindResource(GetParam().resourceId, "PNG");
        ASSERT_FALSE(bytes.empty());
        auto decoded = Testing::ReadPng(bytes);
        ASSERT_TRUE(decoded.has_value());
        picture = std::move(*decoded);
        auto read = Testing::ReadMarkerFont(picture, *GetParam().order, GetParam().spacing);
        ASSERT_TRUE(read.has_value()) << "the markers do not follow the layout";
        font = std::move(*read);
    }

    DecodedPicture picture;
    MarkerFont font;
};

TEST_P(FontPicture, HasTheStatedSizeFormatGlyphCountAndLineHeight) {
    const FontCase& c = GetParam();
    EXPECT_EQ(picture.width, c.width);
    EXPECT_EQ(picture.height, c.height);
    EXPECT_EQ(picture.bitDepth, 8);
    EXPECT_EQ(picture.colourType, c.colourType);
    EXPECT_EQ(font.glyphs.size(), c.glyphCount);
    EXPECT_EQ(font.lineHeight, c.lineHeight);
    // Column 0: one run per glyph row, red first, filling the picture's height.
    const int run = c.height / c.rowRuns;
    for (int y = 0; y < c.height; ++y) {
        const auto expected = (y / run) % 2 == 0 ? DecodedPicture::Pixel{255, 0, 0}
                                                 : DecodedPicture::Pixel{0, 255, 0};
        EXPECT_EQ(picture.At(0, y), expected) << "column 0, row " << y;
    }
}

TEST_P(FontPicture, GlyphsAreNeverMarkerColouredAndShowThroughTheBlackKey) {
    for (const auto& [ch, box] : font.glyphs) {
        int visible = 0;
        for (int y = box.top; y < box.bottom; ++y) {
            for (int x = box.left; x < box.right; ++x) {
                const auto p = picture.At(x, y);
                ASSERT_FALSE((p == DecodedPicture::Pixel{255, 0, 0}) ||
                             (p == DecodedPicture::Pixel{0, 255, 0}))
                    << "glyph " << int(ch) << " at " << x << "," << y;
                // What survives a 16-bit conversion with black as the transparent colour.
                if ((p.r >> 3) != 0 || (p.g >> 2) != 0 || (p.b >> 3) != 0) {
                    ++visible;
                }
            }
        }
        if (ch != ' ') {
            EXPECT_GT(visible, 0) << "glyph " << int(ch) << " would draw nothing";
        } else {
            EXPECT_EQ(visible, 0) << "the space draws nothing";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontPicture, testing::ValuesIn(kFonts),
                         [](const auto& info) { return std::string(info.param.name); });

MarkerFont ReadFont(int id, const std::string& order, int spacing) {
    auto picture = Testing::ReadPng(Platform::FindResource(id, "PNG"));
    if (!picture) {
        return {};
    }
    return Testing::ReadMarkerFont(*picture, order, spacing).value_or(MarkerFont{});
}

TEST(LargeFontPicture, HasTheRectanglesAndWidthsTheLayoutWasMeasuredWith) {
    const MarkerFont font = ReadFont(ResourceId::kLargeFontPicture, kLargeOrder, 1);
    EXPECT_EQ(font.glyphs.at('A'), (GlyphBox{1, 1, 15, 37}));
    EXPECT_EQ(font.Width(' '), 12);
    EXPECT_EQ(font.Width('S'), 15);
    EXPECT_EQ(font.Width('c'), 12);
    EXPECT_EQ(font.Width('o'), 15);
    EXPECT_EQ(font.Width('r'), 10);
    EXPECT_EQ(font.Width('e'), 15);
    EXPECT_EQ(font.Measure("Score"), 72);
    // The second glyph row starts below the first, at the left edge.
    EXPECT_EQ(font.glyphs.at('0').left, 1);
    EXPECT_EQ(font.glyphs.at('0').top, 38);
    EXPECT_EQ(font.glyphs.at('0').Height(), 36);
}

TEST(LargeFontPicture, IsGrey) {
    const auto picture =
        Testing::ReadPng(Platform::FindResource(ResourceId::kLargeFontPicture, "PNG"));
    ASSERT_TRUE(picture.has_value());
    const MarkerFont font = ReadFont(ResourceId::kLargeFontPicture, kLargeOrder, 1);
    for (const auto& [ch, box] : font.glyphs) {
        for (int y = box.top; y < box.bottom; ++y) {
            for (int x = box.left; x < box.right; ++x) {
                const auto p = picture->At(x, y);
                ASSERT_TRUE(p.r == p.g && p.g == p.b) << "glyph " << int(ch);
            }
        }
    }
}

TEST(SmallFontPicture, HasTheRectanglesAndWidthsTheLayoutWasMeasuredWith) {
    const MarkerFont font = ReadFont(ResourceId::kSmallFontPicture, kSmallOrder, 2);
    EXPECT_EQ(font.glyphs.at('A'), (GlyphBox{1, 1, 7, 11}));
    EXPECT_EQ(font.Width(' '), 4);
    EXPECT_EQ(font.Width('H'), 6);
    EXPECT_EQ(font.Width('e'), 6);
    EXPECT_EQ(font.Width('l'), 4);
    EXPECT_EQ(font.Width('o'), 6);
    EXPECT_EQ(font.Measure("Hello"), 36);
    EXPECT_EQ(font.Measure("aaa "), 30);
    EXPECT_EQ(font.Width(0xAB), 8);   // left arrow
    EXPECT_EQ(font.Width(0xBB), 8);   // right arrow
    EXPECT_EQ(font.Width(0xBC), 10);  // up arrow
    EXPECT_EQ(font.Width(0xA1), 10);  // down arrow
    EXPECT_EQ(font.Width(0xEF), 9);   // copyright sign
    int sixWide = 0;
    for (const auto& [ch, box] : font.glyphs) {
        sixWide += box.Width() == 6 ? 1 : 0;
    }
    EXPECT_GT(sixWide, 89 / 2) << "most glyphs are 6 wide";
    // Characters outside the font cannot be typed into a name.
    for (char c : std::string("$^_[]{}\\~`|")) {
        EXPECT_EQ(font.glyphs.count(static_cast<unsigned char>(c)), 0u) << c;
    }
}

TEST(DigitFontPicture, HasTheRectanglesAndWidthsTheLayoutWasMeasuredWith) {
    const MarkerFont font = ReadFont(ResourceId::kDigitFontPicture, kDigitOrder, 1);
    EXPECT_EQ(font.glyphs.at('0'), (GlyphBox{1, 1, 23, 38}));
    EXPECT_EQ(font.Width('5'), 22);
    EXPECT_EQ(font.glyphs.at('5').Height(), 37);
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_GE(font.Width(static_cast<unsigned char>(c)), 19) << c;
        EXPECT_LE(font.Width(static_cast<unsigned char>(c)), 24) << c;
    }
}

TEST(DigitFontPicture, IsColoured) {
    const auto picture =
        Testing::ReadPng(Platform::FindResource(ResourceId::kDigitFontPicture, "PNG"));
    ASSERT_TRUE(picture.has_value());
    const GlyphBox eight = ReadFont(ResourceId::kDigitFontPicture, kDigitOrder, 1).glyphs.at('8');
    int coloured = 0;
    for (int y = eight.top; y < eight.bottom; ++y) {
        for (int x = eight.left; x < eight.right; ++x) {
            const auto p = picture->At(x, y);
            coloured += (std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}) > 80) ? 1 : 0;
        }
    }
    EXPECT_GT(coloured, 100);
}

}  // namespace
}  // namespace Drobix

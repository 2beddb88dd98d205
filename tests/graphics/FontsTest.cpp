// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/Fonts.h"

#include <gtest/gtest.h>

#include "graphics/DisplayFixture.h"
#include "graphics/GlyphCount.h"
#include "graphics/PixelBlit.h"
#include "resources/ResourceIds.h"

namespace Drobix {
namespace {

using Testing::FakeResources;
using Testing::GlyphColour;

constexpr uint16_t kBackground = 0x1234;
constexpr uint16_t kGrey = PackRgb565(66, 63, 63);

// Fonts made from test pictures in the marker layout, with the widths the program's fonts have
// for the glyphs used here.
class FontsTest : public Testing::DisplayFixture {
protected:
    // Glyph order and widths of a two-row font like the large one: "AB" over "5 " with
    // lineHeight 36.
    static constexpr char kLargeOrder[] = "ABSco\n5r e";
    static constexpr int kLargeSpacing = 1;
    // A one-row font like the small one: "abgo " with the small font's widths.
    static constexpr char kSmallOrder[] = "abgoHel ";
    static constexpr int kSmallSpacing = 2;

    ImageSurface* MakeFont(int id, const std::vector<std::vector<int>>& widths, int rowHeight) {
        int width = 0;
        int height = 0;
        const auto pixels = Testing::MakeFontPicture(widths, rowHeight, width, height);
        FakeResources::Add(id, "PNG", Testing::EncodeRgbPng(width, height, pixels));
        return LoadPngImageKeyed(id, 0, 0);
    }

    void BuildTestFonts() {
        ASSERT_TRUE(BuildFont(
            FontId::Large, kLargeOrder,
            MakeFont(ResourceId::kLargeFontPicture, {{14, 13, 15, 12, 15}, {22, 10, 12, 15}}, 36),
            kLargeSpacing));
        ASSERT_TRUE(
            BuildFont(FontId::Small, kSmallOrder,
                      MakeFont(ResourceId::kSmallFontPicture, {{6, 6, 6, 6, 6, 6, 4, 4}}, 10),
                      kSmallSpacing));
        ASSERT_TRUE(
            BuildFont(FontId::Digits, "5", MakeFont(ResourceId::kDigitFontPicture, {{22}}, 37), 1));
    }
};

TEST_F(FontsTest, BuilderFindsGlyphRectanglesFromTheMarkers) {
    BuildTestFonts();
    const BitmapFont* large = GetFont(FontId::Large);
    ASSERT_NE(large, nullptr);
    EXPECT_EQ(large->lineHeight, 36);
    EXPECT_EQ(Testing::GlyphCount(*large), 9);
    EXPECT_EQ(large->GetGlyph('A'), (Rect{1, 1, 15, 37}));
    EXPECT_EQ(large->GetGlyph('B'), (Rect{15, 1, 28, 37}));
    EXPECT_EQ(large->GetGlyph('5'), (Rect{1, 38, 23, 74}));
    EXPECT_EQ(large->GetGlyph(' '), (Rect{33, 38, 45, 74}));
    EXPECT_EQ(GetFont(FontId::Small)->lineHeight, 10);
    EXPECT_EQ(GetFont(FontId::Small)->GetGlyph('a'), (Rect{1, 1, 7, 11}));
    EXPECT_EQ(GetFont(FontId::Digits)->GetGlyph('5'), (Rect{1, 1, 23, 38}));
}

TEST_F(FontsTest, BuilderStopsOnPicturesThatBreakTheLayout) {
    EXPECT_EQ(GetFont(FontId::Large), nullptr);
    // A second glyph row is named but the picture has only one.
    EXPECT_FALSE(BuildFont(FontId::Large, "AB\nC", MakeFont(400, {{3, 3}}, 5), 1));
    EXPECT_EQ(Testing::GlyphCount(*GetFont(FontId::Large)), 2);
    // A glyph run in the wrong colour: the second glyph's run is missing.
    EXPECT_FALSE(BuildFont(FontId::Small, "ABC", MakeFont(401, {{3}}, 5), 1));
    EXPECT_EQ(Testing::GlyphCount(*GetFont(FontId::Small)), 1);
    // No markers at all, and no picture.
    FakeResources::Add(402, "PNG", Testing::SolidPng(50, 50, {0, 0, 0}));
    EXPECT_FALSE(BuildFont(FontId::Digits, "ABC", LoadPngImage(402), 1));
    EXPECT_FALSE(BuildFont(FontId::Large, "ABC", LoadPngImage(403), 1));
    EXPECT_EQ(Testing::GlyphCount(*GetFont(FontId::Large)), 0);
    // Drawing with the broken fonts is harmless.
    DrawString(FontId::Digits, "ABC\nA", 0, 0);
}

TEST_F(FontsTest, MeasureCountsSpacingAndLines) {
    BuildTestFonts();
    unsigned width = 99;
    unsigned height = 99;
    MeasureString(FontId::Small, "Hello", &width, &height, 1.0f);
    EXPECT_EQ(width, 36U);
    EXPECT_EQ(height, 10U);
    MeasureString(FontId::Large, "Score", &width, &height);
    EXPECT_EQ(width, 72U);
    EXPECT_EQ(height, 36U);
    MeasureString(FontId::Large, "", &width, &height);
    EXPECT_EQ(width, 0U);
    EXPECT_EQ(height, 0U);
    MeasureString(FontId::Small, "ab\nabg", &width, &height);
    EXPECT_EQ(width, 24U);
    EXPECT_EQ(height, 20U);
    MeasureString(FontId::Large, "A\nA", &width, &height, 0.5f);
    EXPECT_EQ(width, 8U);
    EXPECT_EQ(height, 36U);
    // A byte without a glyph counts its spacing only.
    MeasureString(FontId::Small, "$", &width, &height);
    EXPECT_EQ(width, 2U);
}

TEST_F(FontsTest, DrawStringPlacesGlyphsAndLines) {
    BuildTestFonts();
    FillScreen(kBackground);
    DrawString(FontId::Large, "A\nB", 100, 100);
    // Glyph k of the picture is filled with GlyphColour(k); 'A' is 0, 'B' is 1.
    EXPECT_EQ(Pixel(100, 100), GlyphColour(0));
    EXPECT_EQ(Pixel(112, 135), GlyphColour(0));
    EXPECT_EQ(Pixel(113, 100), kBackground);  // the glyph's black column is transparent
    EXPECT_EQ(Pixel(100, 136), kBackground);
    EXPECT_EQ(Pixel(100, 137), GlyphColour(1));
    EXPECT_EQ(CountOtherThan(kBackground), 13 * 36 + 12 * 36);

    FillScreen(kBackground);
    DrawString(FontId::Small, "a$b", 0, 0);
    EXPECT_EQ(Pixel(0, 0), GlyphColour(0));
    // 'a' 6 + 2, '$' 0 + 2.
    EXPECT_EQ(Pixel(10, 0), GlyphColour(1));
    EXPECT_FALSE(FontHasGlyph(FontId::Small, '$'));
    EXPECT_TRUE(FontHasGlyph(FontId::Small, 'a'));
    EXPECT_FALSE(FontHasGlyph(FontId::Digits, 'A'));
}

TEST_F(FontsTest, DrawStringScaledTruncatesEveryProduct) {
    BuildTestFonts();
    FillScreen(kBackground);
    // '5' (22 x 37) at half size fills (10, 10)-(21, 28); the next glyph starts 12 further.
    DrawStringScaled(FontId::Digits, "55", 10, 10, 0.5f);
    EXPECT_EQ(Pixel(10, 10), GlyphColour(0));
    EXPECT_EQ(Pixel(19, 27), GlyphColour(0));
    EXPECT_EQ(Pixel(10, 28), kBackground);
    EXPECT_EQ(Pixel(22, 10), GlyphColour(0));
    EXPECT_EQ(CountOtherThan(kBackground), 2 * 11 * 18);

    FillScreen(kBackground);
    DrawStringScaled(FontId::Digits, "5", 10, 10, 0.04f);
    EXPECT_EQ(CountOtherThan(kBackground), 0);
    DrawStringScaled(FontId::Digits, "5\n5", 10, 10, 1.0f);
    EXPECT_EQ(Pixel(10, 10 + 37 + 1), GlyphColour(0));
    EXPECT_EQ(Pixel(10, 10 + 37), kBackground);
}

TEST_F(FontsTest, WrappedTextBreaksBetweenWords) {
    BuildTestFonts();
    FillScreen(kBackground);
    // "aaa " measures 3 x 8 + 6 = 30 and fits in 40; "bbb" (24) would reach 54, so it wraps.
    const Rect box{0, 0, 40, 0};
    DrawStringWrapped(FontId::Small, "aaa bbb", &box);
    EXPECT_EQ(Pixel(16, 0), GlyphColour(0));
    EXPECT_EQ(Pixel(24, 0), GlyphColour(7));
    EXPECT_EQ(Pixel(30, 0), kBackground);
    EXPECT_EQ(Pixel(0, 12), GlyphColour(1));
    EXPECT_EQ(Pixel(16, 12), GlyphColour(1));

    FillScreen(kBackground);
    const Rect wide{100, 100, 300, 0};
    DrawStringWrapped(FontId::Small, "go a", &wide);
    EXPECT_EQ(Pixel(100, 100), GlyphColour(2));
    EXPECT_EQ(Pixel(108, 100), GlyphColour(3));
    EXPECT_EQ(Pixel(122, 100), GlyphColour(0));

    // A first word wider than the box moves down a line before it is drawn.
    FillScreen(kBackground);
    const Rect narrow{0, 0, 10, 0};
    DrawStringWrapped(FontId::Small, "ab", &narrow);
    EXPECT_EQ(Pixel(0, 0), kBackground);
    EXPECT_EQ(Pixel(0, 12), GlyphColour(0));
    EXPECT_EQ(Pixel(8, 12), GlyphColour(1));

    // Two line feeds leave an empty line.
    FillScreen(kBackground);
    DrawStringWrapped(FontId::Small, "a\n\nb", &wide);
    EXPECT_EQ(Pixel(100, 100), GlyphColour(0));
    EXPECT_EQ(Pixel(100, 124), GlyphColour(1));
    EXPECT_EQ(CountOtherThan(kBackground), 2 * 5 * 10);
}

TEST_F(FontsTest, TitledPanelGrowsUpwardsByTheTitleLine) {
    BuildTestFonts();
    FillScreen(kBackground);
    const Rect body{200, 240, 600, 360};
    DrawTitledPanel(&body, "A");
    // Panel (200, 197, 600, 360) framed outside.
    EXPECT_EQ(Pixel(200, 196), kGrey);
    EXPECT_EQ(Pixel(200, 195), kGrey);
    EXPECT_EQ(Pixel(200, 194), kBackground);
    EXPECT_EQ(Pixel(199, 197), kGrey);
    EXPECT_EQ(Pixel(200, 197), 0);
    EXPECT_EQ(Pixel(600, 359), kGrey);
    EXPECT_EQ(Pixel(599, 360), kGrey);
    // Title at (205, 202), 36 rows high.
    EXPECT_EQ(Pixel(205, 202), GlyphColour(0));
    EXPECT_EQ(Pixel(205, 237), GlyphColour(0));
    EXPECT_EQ(Pixel(204, 202), 0);
    // Rule (202, 238)-(598, 240), body black below it.
    for (const int x : {202, 400, 597}) {
        EXPECT_EQ(Pixel(x, 238), kGrey) << x;
        EXPECT_EQ(Pixel(x, 239), kGrey) << x;
        EXPECT_EQ(Pixel(x, 240), 0) << x;
    }
    EXPECT_EQ(Pixel(201, 238), 0);
    EXPECT_EQ(Pixel(598, 238), 0);
}

TEST_F(FontsTest, FreeFontsEmptiesTheTableButKeepsThePictures) {
    BuildTestFonts();
    ImageSurface* picture = GetFont(FontId::Large)->image;
    FreeFonts();
    EXPECT_EQ(GetFont(FontId::Large), nullptr);
    EXPECT_FALSE(FontHasGlyph(FontId::Large, 'A'));
    EXPECT_EQ(LoadPngImage(ResourceId::kLargeFontPicture), picture);
    DrawString(FontId::Large, "A", 0, 0);
    unsigned width = 1;
    unsigned height = 1;
    MeasureString(FontId::Large, "A", &width, &height);
    EXPECT_EQ(width + height, 0U);
}

}  // namespace
}  // namespace Drobix

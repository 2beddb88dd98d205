// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own font pictures and sprites, as built into it. These tests need the built-in
// resources; without them they are skipped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/Block.h"
#include "game/BlockFactory.h"
#include "game/Board.h"
#include "game/BoardLayout.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "graphics/GlyphCount.h"
#include "graphics/ImageResources.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"
#include "platform/scripted/PresenterScripted.h"
#include "resources/ResourceIds.h"
#include "screens/game/DrawGrid.h"

namespace Drobix {
namespace {

class FontResourcesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Platform::FindResource(ResourceId::kLargeFontPicture, "PNG").empty());
        ASSERT_TRUE(OpenDisplay());
        BuildFonts();
    }
    void TearDown() override {
        FreeFonts();
        CloseDisplay();
    }

    static std::vector<uint16_t> Screen() {
        CompleteFrame();
        const uint16_t* pixels = BackBufferPixels();
        return {pixels, pixels + Platform::kFramePixels};
    }

    // Paints the back buffer black with a panel.
    static void ClearScreen() {
        const Rect screen{0, 0, kScreenWidth, kScreenHeight};
        DrawPanel(&screen, false);
    }
};

TEST_F(FontResourcesTest, BuilderFindsEveryGlyphOfTheThreeFonts) {
    const BitmapFont* large = GetFont(FontId::Large);
    const BitmapFont* small = GetFont(FontId::Small);
    const BitmapFont* digits = GetFont(FontId::Digits);
    ASSERT_TRUE(large && small && digits);
    EXPECT_EQ(Testing::GlyphCount(*large), 84);
    EXPECT_EQ(Testing::GlyphCount(*small), 89);
    EXPECT_EQ(Testing::GlyphCount(*digits), 10);
    EXPECT_EQ(large->lineHeight, 36);
    EXPECT_EQ(small->lineHeight, 10);
    EXPECT_EQ(digits->lineHeight, 37);
    EXPECT_EQ(large->GetGlyph('A'), (Rect{1, 1, 15, 37}));
    EXPECT_EQ(large->GetGlyph(' ').Width(), 12);
    EXPECT_EQ(small->GetGlyph('A'), (Rect{1, 1, 7, 11}));
    EXPECT_EQ(small->GetGlyph(' ').Width(), 4);
    EXPECT_EQ(small->GetGlyph('\xAB').Width(), 8);
    EXPECT_EQ(small->GetGlyph('\xBB').Width(), 8);
    EXPECT_EQ(small->GetGlyph('\xBC').Width(), 10);
    EXPECT_EQ(small->GetGlyph('\xA1').Width(), 10);
    EXPECT_EQ(small->GetGlyph('\xEF').Width(), 9);
    EXPECT_EQ(digits->GetGlyph('0'), (Rect{1, 1, 23, 38}));
    for (char digit = '0'; digit <= '9'; ++digit) {
        EXPECT_GE(digits->GetGlyph(digit).Width(), 19) << digit;
        EXPECT_LE(digits->GetGlyph(digit).Width(), 24) << digit;
    }
    EXPECT_EQ(large->image->width, 750);
    EXPECT_EQ(small->image->width, 510);
    EXPECT_EQ(digits->image->width, 220);
    EXPECT_TRUE(FontHasGlyph(FontId::Small, 'x'));
    EXPECT_FALSE(FontHasGlyph(FontId::Small, '$'));
    EXPECT_FALSE(FontHasGlyph(FontId::Digits, 'A'));
}

TEST_F(FontResourcesTest, MeasuresTheProgramsTexts) {
    unsigned width = 0;
    unsigned height = 0;
    MeasureString(FontId::Small, "Hello", &width, &height, 1.0f);
    EXPECT_EQ(width, 36U);
    EXPECT_EQ(height, 10U);
    MeasureString(FontId::Large, "Score", &width, &height, 1.0f);
    EXPECT_EQ(width, 72U);
    EXPECT_EQ(height, 36U);
    MeasureString(FontId::Large, "", &width, &height, 1.0f);
    EXPECT_EQ(width + height, 0U);
    MeasureString(FontId::Small, "ab\ncde", &width, &height, 1.0f);
    EXPECT_EQ(width, 24U);
    EXPECT_EQ(height, 20U);
}

TEST_F(FontResourcesTest, DrawsLinesAndScaledDigitsWhereTheGlyphsBelong) {
    const BitmapFont* large = GetFont(FontId::Large);
    const BitmapFont* digits = GetFont(FontId::Digits);
    ClearScreen();
    DrawString(FontId::Large, "A\nB", 100, 100);
    const auto drawn = Screen();
    ClearScreen();
    const Rect a = large->GetGlyph('A');
    const Rect b = large->GetGlyph('B');
    DrawImagePartKeyed(large->image, &a, 100, 100);
    DrawImagePartKeyed(large->image, &b, 100, 137);
    EXPECT_EQ(drawn, Screen());

    ClearScreen();
    DrawStringScaled(FontId::Digits, "55", 10, 10, 0.5f);
    const auto scaled = Screen();
    ClearScreen();
    const Rect five = digits->GetGlyph('5');
    ASSERT_EQ(five.Width(), 22);
    ASSERT_EQ(five.Height(), 37);
    const Rect first{10, 10, 21, 28};
    const Rect second{22, 10, 33, 28};
    StretchImageKeyed(digits->image, &five, &first);
    StretchImageKeyed(digits->image, &five, &second);
    EXPECT_EQ(scaled, Screen());

    ClearScreen();
    DrawStringScaled(FontId::Digits, "5", 10, 10, 0.04f);
    ClearScreen();
    const auto blank = Screen();
    DrawStringScaled(FontId::Digits, "5", 10, 10, 0.04f);
    EXPECT_EQ(blank, Screen());
}

TEST_F(FontResourcesTest, WrapsWordsInTheSmallFont) {
    const BitmapFont* small = GetFont(FontId::Small);
    auto drawWords = [&](const std::vector<std::pair<std::string, std::pair<int, int>>>& words) {
        ClearScreen();
        for (const auto& [word, at] : words) {
            DrawString(FontId::Small, word, at.first, at.second);
        }
        return Screen();
    };
    ASSERT_EQ(small->GetGlyph('a').Width(), 6);
    const Rect box{0, 0, 40, 0};
    ClearScreen();
    DrawStringWrapped(FontId::Small, "aaa bbb", &box);
    EXPECT_EQ(Screen(), drawWords({{"aaa ", {0, 0}}, {"bbb", {0, 12}}}));

    const Rect wide{100, 100, 300, 0};
    ClearScreen();
    DrawStringWrapped(FontId::Small, "go a", &wide);
    EXPECT_EQ(Screen(), drawWords({{"go a", {100, 100}}}));

    const Rect narrow{0, 0, 10, 0};
    ClearScreen();
    DrawStringWrapped(FontId::Small, "Hello there", &narrow);
    EXPECT_EQ(Screen(), drawWords({{"Hello ", {0, 12}}, {"there", {0, 24}}}));
}

TEST_F(FontResourcesTest, TitledPanelFramesTitleAndRule) {
    ClearScreen();
    const Rect body{200, 240, 600, 360};
    DrawTitledPanel(&body, "Options");
    const auto drawn = Screen();
    ClearScreen();
    const Rect panel{200, 197, 600, 360};
    DrawBorderedPanel(&panel);
    DrawString(FontId::Large, "Options", 205, 202);
    const Rect one{0, 0, 1, 1};
    const Rect rule{202, 238, 598, 240};
    StretchImage(BorderImage(), &one, &rule);
    EXPECT_EQ(drawn, Screen());
    const uint16_t grey = BackBufferPixels()[238 * kScreenWidth + 202];
    EXPECT_NE(grey, 0);
    EXPECT_EQ(BackBufferPixels()[196 * kScreenWidth + 200], grey);
}

// A scene to look at: a board of every shape, every colour joined and apart, a titled panel
// with text in each font and a scaled score popup, written to the build folder.
TEST_F(FontResourcesTest, SceneScreenshot) {
    DrawImage(LoadJpgImage(ResourceId::kGameBackgroundAurora), 0, 0);
    Board board(kBoardRows, kBoardColumns);
    std::vector<Block*> placed;
    for (int shape = 0; shape < kShapeCount; ++shape) {
        Block* block = CreateBlock(shape);
        bool done = false;
        for (int row = static_cast<int>(kBoardRows) - 1; row >= 0 && !done; --row) {
            for (int col = 0; col < static_cast<int>(kBoardColumns) && !done; ++col) {
                if (board.Fits(*block, row, col)) {
                    board.Place(*block, row, col);
                    done = true;
                }
            }
        }
    }
    for (unsigned col = 0; col < kBoardColumns; col += 2) {
        board.SetCell(0, col, CreateRubbishCell());
    }
    DrawGrid(board, kBoardLeft, kBoardTop);
    // Every colour: a joined pair and a single cell apart.
    std::vector<Block> swatches;
    swatches.reserve(15);
    for (int colour = 0; colour < 15; ++colour) {
        swatches.emplace_back(1, 3, colour);
        swatches.back().SetCell(0, 0);
        swatches.back().SetCell(0, 1);
        DrawGrid(swatches.back(), 10 + (colour % 2) * 120, 10 + (colour / 2) * 30);
    }
    const Rect body{560, 300, 790, 420};
    DrawTitledPanel(&body, "Score");
    DrawString(FontId::Small, "Hello \xAB\xBB\xBC\xA1 \xEF 2026", 565, 310);
    DrawString(FontId::Digits, "1234", 565, 330);
    DrawStringWrapped(FontId::Small, "Words wrap inside the panel when they reach its right edge.",
                      &body);
    DrawStringScaled(FontId::Digits, "500", 300, 250, 0.7f);
    ImageSurface* question = LoadPngImageKeyed(ResourceId::kHiddenPreviewSign, 0, 0);
    DrawImageKeyed(question, 600, 100);
    FlipDisplay();
    const std::string path = std::string(DROBIX_BINARY_DIR) + "/graphics-scene.png";
    EXPECT_TRUE(Platform::Scripted::WriteLastFrameAsPng(path));
    DestroyAllBlocks();
}

}  // namespace
}  // namespace Drobix

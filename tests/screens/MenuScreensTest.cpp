// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <utility>
#include <vector>

#include "TempDataHome.h"
#include "app/IScreen.h"
#include "game/BlockFactory.h"
#include "game/BlockFactoryTesting.h"
#include "game/Board.h"
#include "game/Random.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "platform/scripted/AudioScripted.h"
#include "platform/scripted/PresenterScripted.h"
#include "resources/ResourceIds.h"
#include "screens/InstructionScreen.h"
#include "screens/InstructionScreenTesting.h"
#include "screens/IntroScreen.h"
#include "screens/NonGameScreenBaseTesting.h"
#include "screens/OptionsScreen.h"
#include "sound/Sound.h"
#include "storage/Settings.h"

namespace Drobix {
namespace {

constexpr unsigned kFrameMs = 16;

// The menu screens on the scripted backend with the real resources and default options.
class MenuScreensTest : public testing::Test {
protected:
    void SetUp() override {
        LoadSettings();
        ASSERT_TRUE(OpenDisplay());
        BuildFonts();
        SeedRandom(42);
    }
    void TearDown() override {
        // The backdrop is process-wide: leave the menus for program exit.
        intro_.OnLeave(ScreenNumber::None);
        FreeFonts();
        CloseDisplay();
        DestroyAllBlocks();
        SaveSettings();
    }

    Testing::TempDataHome dataHome_;
    IntroScreen intro_;
    OptionsScreen options_;
    InstructionScreen instructions_;
};

TEST_F(MenuScreensTest, BackdropLivesAmongTheMenusAndIsReleasedForTheGame) {
    intro_.OnEnter();
    const Board* board = Testing::GetMenuBackgroundBoard();
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(Testing::GetMenuMusicId() == ResourceId::kMenuMusicMarch ||
                Testing::GetMenuMusicId() == ResourceId::kMenuMusicBouncy);
    // With no decorations, one always starts in the first frame.
    intro_.Update(kFrameMs);
    EXPECT_EQ(Testing::GetMenuDecorationCount(), 1U);

    intro_.OnLeave(ScreenNumber::Options);
    options_.OnEnter();
    EXPECT_EQ(Testing::GetMenuBackgroundBoard(), board);
    EXPECT_EQ(Testing::GetMenuDecorationCount(), 1U);
    options_.OnLeave(ScreenNumber::Instructions);
    instructions_.OnEnter();
    EXPECT_EQ(Testing::GetMenuBackgroundBoard(), board);

    instructions_.OnLeave(ScreenNumber::Game);
    EXPECT_EQ(Testing::GetMenuBackgroundBoard(), nullptr);
    EXPECT_EQ(Testing::GetMenuDecorationCount(), 0U);
    // The logo's block and the decorations' blocks are gone with it.
    EXPECT_EQ(Testing::LiveBlockCount(), 0U);
}

TEST_F(MenuScreensTest, LogoSpellsTheNameWithOneBlockAndOneEmptyColumnBetweenLetters) {
    intro_.OnEnter();
    const Board* logo = Testing::GetMenuLogoBoard();
    ASSERT_NE(logo, nullptr);
    ASSERT_EQ(logo->GetRowCount(), 5U);
    ASSERT_EQ(logo->GetColumnCount(), 21U);
    const std::set<unsigned> gaps = {3, 7, 11, 15, 17};
    for (unsigned col = 0; col < 21; ++col) {
        bool any = false;
        for (unsigned row = 0; row < 5; ++row) {
            const bool filled = logo->IsCellFilled(row, col);
            any = any || filled;
            if (filled) {
                EXPECT_EQ(logo->GetCell(row, col), logo->GetCell(0, 0)) << row << "," << col;
            }
            if (col == 16) {
                EXPECT_TRUE(filled) << "the I is the full column 16";
            }
        }
        EXPECT_EQ(any, gaps.count(col) == 0) << "column " << col;
    }
}

// Cells of one letter join only side by side on screen: a cell that meets its letter only at a
// corner stands apart (the old R read as "F:", the old B as "E:"), and a letter whose strokes
// meet only at corners falls apart (the old D into two strokes). The X alone crosses
// diagonally; the R's leg leaves the bowl at a corner, as a leg does.
TEST_F(MenuScreensTest, LogoLettersHoldTogetherAndDiffer) {
    using Cell = std::pair<unsigned, unsigned>;
    struct Letter {
        char name;
        unsigned left;
        std::size_t pieces;
    };
    constexpr Letter kJoinedLetters[] = {{'D', 0, 1}, {'R', 4, 2}, {'O', 8, 1}, {'B', 12, 1}};
    constexpr unsigned kWidth = 3;
    constexpr unsigned kRows = 5;
    intro_.OnEnter();
    const Board* logo = Testing::GetMenuLogoBoard();
    ASSERT_NE(logo, nullptr);
    std::set<std::set<Cell>> shapes;
    for (const Letter& letter : kJoinedLetters) {
        std::set<Cell> cells;
        for (unsigned row = 0; row < kRows; ++row) {
            for (unsigned col = 0; col < kWidth; ++col) {
                if (logo->IsCellFilled(row, letter.left + col)) {
                    cells.insert({row, col});
                }
            }
        }
        ASSERT_FALSE(cells.empty()) << letter.name;
        shapes.insert(cells);
        const auto sideNeighbours = [](Cell cell) {
            const auto [row, col] = cell;
            return std::array{Cell{row + 1, col}, Cell{row - 1, col}, Cell{row, col + 1},
                              Cell{row, col - 1}};
        };
        for (const Cell& cell : cells) {
            const auto neighbours = sideNeighbours(cell);
            EXPECT_TRUE(std::any_of(neighbours.begin(), neighbours.end(),
                                    [&](Cell next) { return cells.count(next) != 0; }))
                << letter.name << ": cell " << cell.first << "," << cell.second << " stands apart";
        }
        // Count the pieces by flooding through side neighbours.
        std::set<Cell> reached;
        std::size_t pieces = 0;
        for (const Cell& start : cells) {
            if (!reached.insert(start).second) {
                continue;
            }
            ++pieces;
            std::vector<Cell> open{start};
            while (!open.empty()) {
                const Cell cell = open.back();
                open.pop_back();
                for (const Cell& next : sideNeighbours(cell)) {
                    if (cells.count(next) != 0 && reached.insert(next).second) {
                        open.push_back(next);
                    }
                }
            }
        }
        EXPECT_EQ(pieces, letter.pieces) << letter.name;
    }
    EXPECT_EQ(shapes.size(), std::size(kJoinedLetters)) << "two letters look the same";
}

TEST_F(MenuScreensTest, DecorationsComeAndGoButNeverPassTen) {
    intro_.OnEnter();
    std::size_t most = 0;
    bool oneLeft = false;
    std::size_t previous = 0;
    // About ten minutes of menu at 60 frames a second.
    for (int frame = 0; frame < 36000; ++frame) {
        intro_.Update(kFrameMs);
        const std::size_t count = Testing::GetMenuDecorationCount();
        most = std::max(most, count);
        oneLeft = oneLeft || count < previous;
        previous = count;
    }
    EXPECT_LE(most, 10U);
    EXPECT_GE(most, 3U);
    EXPECT_TRUE(oneLeft) << "no decoration fell past the bottom";
    // Every live block is a decoration or the logo.
    EXPECT_EQ(Testing::LiveBlockCount(), Testing::GetMenuDecorationCount() + 1);
}

TEST_F(MenuScreensTest, CreditsMoveOnePixelPerFrameOfMoreThanTenMilliseconds) {
    intro_.OnEnter();
    ASSERT_GT(intro_.GetCreditsWidth(), 0U);
    for (int frame = 0; frame < 10; ++frame) {
        intro_.Update(10);
    }
    EXPECT_EQ(intro_.GetScrollOffset(), 5U);
    for (int frame = 0; frame < 10; ++frame) {
        intro_.Update(20);
    }
    EXPECT_EQ(intro_.GetScrollOffset(), 15U);
    // Back to the start once the text's right end has passed the strip's left end.
    const uint32_t restart = intro_.GetCreditsWidth() + 700;
    while (intro_.GetScrollOffset() != restart) {
        intro_.Update(20);
    }
    intro_.Update(20);
    EXPECT_EQ(intro_.GetScrollOffset(), 0U);
    intro_.Update(20);
    intro_.OnLeave(ScreenNumber::Options);
    intro_.OnEnter();
    EXPECT_EQ(intro_.GetScrollOffset(), 0U);
}

TEST_F(MenuScreensTest, HelpTextIsDrawnAtEntryAgainAfterALossAndFreedAtLeaving) {
    auto inkOf = [] {
        const ImageSurface* help = Testing::GetHelpTextSurface();
        return std::count_if(help->Pixels().begin(), help->Pixels().end(),
                             [](uint16_t pixel) { return pixel != 0; });
    };
    instructions_.OnEnter();
    const ImageSurface* help = Testing::GetHelpTextSurface();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->width, 710);
    EXPECT_EQ(help->height, 270);
    const auto ink = inkOf();
    EXPECT_GT(ink, 1000);

    Platform::Scripted::LoseSurfaces();
    // The next blit notices the loss and restores every picture instead.
    instructions_.Render();
    EXPECT_EQ(inkOf(), ink);

    instructions_.OnLeave(ScreenNumber::Intro);
    EXPECT_EQ(Testing::GetHelpTextSurface(), nullptr);
}

// The frame as it is drawn now.
std::vector<uint16_t> DrawnFrame() {
    CompleteFrame();
    const uint16_t* pixels = BackBufferPixels();
    return {pixels, pixels + Platform::kFramePixels};
}

// The main menu tells the player how to start the sound while the device waits for them (a
// browser), between the high scores and the credits, and never otherwise.
TEST_F(MenuScreensTest, SoundLineShowsOnlyWhileTheSoundAwaitsThePlayer) {
    constexpr int kLineTop = 515;
    constexpr int kLineBottom = 535;
    constexpr size_t kLetterPixels = 100;
    ASSERT_TRUE(InitSound());
    intro_.OnEnter();
    intro_.Update(kFrameMs);
    intro_.Render();
    const std::vector<uint16_t> silent = DrawnFrame();
    Platform::Scripted::SetAudioAwaitsPlayer(true);
    ASSERT_TRUE(SoundAwaitsPlayer());
    intro_.Render();
    const std::vector<uint16_t> waiting = DrawnFrame();
    Platform::Scripted::SetAudioAwaitsPlayer(false);
    intro_.Render();
    EXPECT_EQ(DrawnFrame(), silent);
    size_t changed = 0;
    for (size_t i = 0; i < silent.size(); ++i) {
        if (silent[i] == waiting[i]) {
            continue;
        }
        ++changed;
        const auto row = static_cast<int>(i / Platform::kFrameWidth);
        EXPECT_TRUE(row >= kLineTop && row < kLineBottom) << "a pixel changed in row " << row;
    }
    EXPECT_GT(changed, kLetterPixels);
    ShutdownSound();
}

TEST(TableScoreTest, SixDigitsAtLeastWithZerosInFront) {
    EXPECT_EQ(FormatTableScore(35000), "035000");
    EXPECT_EQ(FormatTableScore(100), "000100");
    EXPECT_EQ(FormatTableScore(0), "000000");
    EXPECT_EQ(FormatTableScore(1234567), "1234567");
}

TEST(OptionsTextTest, ShowsEveryOptionOnItsNumberedLine) {
    const Settings defaults;
    EXPECT_EQ(BuildOptionsText(defaults),
              "1) Sound: On\n2) Rubbish Rows: 0\n3) Rubbish Frequency: 50%\n4) Starting Level: 0\n"
              "5) Block Types: Standard\n6) Block Preview: On\n7) Block Colour: Fixed\n\n"
              "(Esc) Back to main menu");
    Settings odd;
    odd.sound = 0;
    odd.rubbishRows = 10;
    odd.rubbishFrequency = 0.6F;
    odd.startingLevel = 12;
    odd.blockTypes = BlockSet::Crazy;
    odd.blockPreview = BlockPreview::Random;
    odd.blockColour = BlockColourMode::Random;
    EXPECT_EQ(
        BuildOptionsText(odd),
        "1) Sound: Off\n2) Rubbish Rows: 10\n3) Rubbish Frequency: 60%\n4) Starting Level: 12\n"
        "5) Block Types: You're crazy!\n6) Block Preview: Random\n7) Block Colour: Random\n\n"
        "(Esc) Back to main menu");
    odd.blockTypes = BlockSet::StandardPlusExtra;
    odd.blockPreview = BlockPreview::Off;
    EXPECT_NE(BuildOptionsText(odd).find("Types: Standard + extra\n6) Block Preview: Off\n"),
              std::string::npos);
}

TEST(OptionsTextTest, EachDigitStepsItsOptionRoundItsCycle) {
    Settings settings;
    std::string frequencies;
    for (int press = 0; press < 6; ++press) {
        StepOption(settings, 3);
        const std::string text = BuildOptionsText(settings);
        const auto at = text.find("Frequency: ") + 11;
        frequencies += text.substr(at, text.find('%') - at) + " ";
    }
    EXPECT_EQ(frequencies, "60 70 80 90 10 20 ");

    for (uint32_t expected : {1U, 2U, 3U, 4U, 5U, 6U, 7U, 8U, 9U, 10U, 0U}) {
        StepOption(settings, 2);
        EXPECT_EQ(settings.rubbishRows, expected);
    }
    settings.startingLevel = 9;
    StepOption(settings, 4);
    EXPECT_EQ(settings.startingLevel, 0U);
    settings.startingLevel = 12;
    StepOption(settings, 4);
    EXPECT_EQ(settings.startingLevel, 0U);

    for (BlockSet expected : {BlockSet::StandardPlusExtra, BlockSet::Crazy, BlockSet::Standard,
                              BlockSet::StandardPlusExtra}) {
        StepOption(settings, 5);
        EXPECT_EQ(settings.blockTypes, expected);
    }
    for (BlockPreview expected : {BlockPreview::Off, BlockPreview::Random, BlockPreview::On}) {
        StepOption(settings, 6);
        EXPECT_EQ(settings.blockPreview, expected);
    }
    for (BlockColourMode expected : {BlockColourMode::Random, BlockColourMode::Fixed}) {
        StepOption(settings, 7);
        EXPECT_EQ(settings.blockColour, expected);
    }
    for (uint8_t expected : {0, 1}) {
        StepOption(settings, 1);
        EXPECT_EQ(settings.sound, expected);
    }
}

}  // namespace
}  // namespace Drobix

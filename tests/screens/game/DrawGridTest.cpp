// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/game/DrawGrid.h"

#include <gtest/gtest.h>

#include "game/Block.h"
#include "game/Board.h"
#include "graphics/DisplayFixture.h"
#include "resources/ResourceIds.h"

namespace Drobix {
namespace {

constexpr uint16_t kBackground = 0;
constexpr int kSheetWidth = 43;
constexpr int kSheetHeight = 375;

// A sprite sheet whose every pixel tells where it came from.
uint16_t SheetPixel(int x, int y) {
    return static_cast<uint16_t>(1 + x + kSheetWidth * y);
}

// A board that fails the test when asked about a cell outside it, and counts the questions.
// It tells its revisions only when asked to, so that its drawing is otherwise never kept.
class CheckedBoard final : public BlockGrid {
public:
    CheckedBoard(unsigned rows, unsigned columns, bool tellsRevisions = false)
        : board(rows, columns), tellsRevisions_(tellsRevisions) {}

    unsigned GetRowCount() const override { return board.GetRowCount(); }
    unsigned GetColumnCount() const override { return board.GetColumnCount(); }
    bool IsCellFilled(unsigned row, unsigned col) const override {
        Check(row, col);
        return board.IsCellFilled(row, col);
    }
    bool IsSameBlock(unsigned row1, unsigned col1, unsigned row2, unsigned col2) const override {
        Check(row1, col1);
        Check(row2, col2);
        return board.IsSameBlock(row1, col1, row2, col2);
    }
    int GetCellColour(unsigned row, unsigned col) const override {
        Check(row, col);
        EXPECT_TRUE(board.IsCellFilled(row, col));
        return board.GetCellColour(row, col);
    }
    uint64_t GetRevision() const override { return tellsRevisions_ ? board.GetRevision() : 0; }

    Board board;
    mutable int questions = 0;

private:
    void Check(unsigned row, unsigned col) const {
        ++questions;
        EXPECT_LT(row, board.GetRowCount());
        EXPECT_LT(col, board.GetColumnCount());
    }

    bool tellsRevisions_;
};

class DrawGridTest : public Testing::DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        std::vector<uint16_t> sheet;
        for (int y = 0; y < kSheetHeight; ++y) {
            for (int x = 0; x < kSheetWidth; ++x) {
                sheet.push_back(SheetPixel(x, y));
            }
        }
        LoadPicture(ResourceId::kBlockSpriteSheet, kSheetWidth, kSheetHeight, sheet);
    }

    // The sheet pixel (x, y) of colour band d.
    static uint16_t Band(int d, int x, int y) { return SheetPixel(x, 25 * d + y); }

    // Fills the cells with one block of the given colour (or, with separate, one block each).
    void Fill(CheckedBoard& grid, int colour,
              std::initializer_list<std::pair<unsigned, unsigned>> cells, bool separate = false) {
        Block* shared = nullptr;
        for (const auto& [row, col] : cells) {
            if (shared == nullptr || separate) {
                blocks_.push_back(std::make_unique<Block>(1, 1, colour));
                shared = blocks_.back().get();
            }
            grid.board.SetCell(row, col, shared);
        }
    }

    std::vector<std::unique_ptr<Block>> blocks_;
};

constexpr int kX = 100;
constexpr int kY = 50;

TEST_F(DrawGridTest, EmptyGridDrawsNothing) {
    CheckedBoard grid(20, 10);
    DrawGrid(grid, kX, kY);
    EXPECT_EQ(CountOtherThan(kBackground), 0);
}

TEST_F(DrawGridTest, IsolatedCellGetsFaceAndFourCorners) {
    CheckedBoard grid(3, 3);
    Fill(grid, 14, {{1, 1}});
    DrawGrid(grid, kX, kY);
    const int x0 = kX + 26;
    const int y0 = kY + 26;
    EXPECT_EQ(Pixel(x0 + 12, y0 + 12), Band(14, 12, 12));
    EXPECT_EQ(Pixel(x0, y0), Band(14, 26, 0));
    EXPECT_EQ(Pixel(x0 + 24, y0), Band(14, 42, 0));
    EXPECT_EQ(Pixel(x0, y0 + 24), Band(14, 26, 16));
    EXPECT_EQ(Pixel(x0 + 24, y0 + 24), Band(14, 42, 16));
    EXPECT_EQ(Pixel(x0 + 8, y0), Band(14, 8, 0));
    EXPECT_EQ(CountOtherThan(kBackground), 25 * 25);
}

TEST_F(DrawGridTest, NeighboursOfDifferentBlocksKeepTheirGap) {
    CheckedBoard grid(1, 2);
    Fill(grid, 3, {{0, 0}, {0, 1}}, true);
    DrawGrid(grid, kX, kY);
    EXPECT_EQ(Pixel(kX + 25, kY + 12), kBackground);
    EXPECT_EQ(Pixel(kX + 24, kY), Band(3, 42, 0));
    EXPECT_EQ(Pixel(kX + 26, kY + 24), Band(3, 26, 16));
    EXPECT_EQ(CountOtherThan(kBackground), 2 * 25 * 25);
}

TEST_F(DrawGridTest, NeighboursOfOneBlockAreBridged) {
    CheckedBoard grid(2, 1);
    Fill(grid, 5, {{0, 0}, {1, 0}});
    DrawGrid(grid, kX, kY);
    // The lower cell lays rows 2..6 of its face over y0 - 3 .. y0 + 1.
    const int y1 = kY + 26;
    EXPECT_EQ(Pixel(kX + 12, y1 - 1), Band(5, 12, 4));
    EXPECT_EQ(Pixel(kX + 12, y1 - 3), Band(5, 12, 2));
    // Corners on the shared side are gone, the outer ones stay.
    EXPECT_EQ(Pixel(kX, y1 + 2), Band(5, 0, 2));
    EXPECT_EQ(Pixel(kX, kY + 20), Band(5, 0, 20));
    EXPECT_EQ(Pixel(kX, kY), Band(5, 26, 0));
    EXPECT_EQ(Pixel(kX, y1 + 24), Band(5, 26, 16));
    EXPECT_EQ(CountOtherThan(kBackground), 25 * 51);

    CheckedBoard row(1, 2);
    Fill(row, 5, {{0, 0}, {0, 1}});
    DrawGrid(row, kX, 300);
    EXPECT_EQ(Pixel(kX + 25, 300 + 12), Band(5, 4, 12));
    EXPECT_EQ(Pixel(kX + 20, 300), Band(5, 20, 0));
}

TEST_F(DrawGridTest, SquareGetsItsDiagonalFillerAtTheBottomRightCell) {
    CheckedBoard grid(2, 2);
    Fill(grid, 0, {{0, 0}, {0, 1}, {1, 0}, {1, 1}});
    DrawGrid(grid, kX, kY);
    EXPECT_EQ(Pixel(kX + 25, kY + 25), Band(0, 4, 4));
    EXPECT_EQ(CountOtherThan(kBackground), 51 * 51);
    // Without the diagonal cell of the same block there is no filler.
    CheckedBoard three(2, 2);
    Fill(three, 0, {{0, 1}, {1, 0}, {1, 1}});
    Fill(three, 0, {{0, 0}});
    DrawGrid(three, 300, kY);
    EXPECT_EQ(Pixel(300 + 25, kY + 25), kBackground);
}

TEST_F(DrawGridTest, EdgeCellsNeverAskOutsideTheGrid) {
    CheckedBoard grid(20, 10);
    for (unsigned row = 0; row < 20; ++row) {
        Fill(grid, static_cast<int>(row % 15), {{row, 0}, {row, 9}});
    }
    Fill(grid, 7, {{19, 1}, {19, 2}, {18, 1}, {18, 2}});
    DrawGrid(grid, 270, 40);
    EXPECT_EQ(Pixel(270, 40), Band(0, 26, 0));
}

TEST_F(DrawGridTest, AKeptDrawingServesOnlyWhileTheBoardAndPlaceStayTheSame) {
    CheckedBoard grid(4, 3, true);
    Block red(1, 1, 2);
    Block blue(1, 1, 4);
    Block bar(1, 3, 6);
    for (unsigned col = 0; col < 3; ++col) {
        bar.SetCell(0, col);
    }
    grid.board.SetCell(1, 1, &red);
    // Draws afresh on a blank screen, with the questions it asked of the board.
    const auto draw = [&](int x, int y) {
        FillScreen(kBackground);
        grid.questions = 0;
        DrawGrid(grid, x, y);
        return grid.questions;
    };
    EXPECT_GT(draw(kX, kY), 0);
    EXPECT_EQ(draw(kX, kY), 0);
    EXPECT_EQ(Pixel(kX + 26 + 12, kY + 26 + 12), Band(2, 12, 12));
    EXPECT_EQ(CountOtherThan(kBackground), 25 * 25);

    // Each kind of change is drawn as it is.
    grid.board.EmptyCell(1, 1);
    grid.board.SetCell(0, 0, &blue);
    EXPECT_GT(draw(kX, kY), 0);
    EXPECT_EQ(Pixel(kX + 26 + 12, kY + 26 + 12), kBackground);
    EXPECT_EQ(Pixel(kX + 12, kY + 12), Band(4, 12, 12));
    grid.board.Place(bar, 3, 0);
    EXPECT_GT(draw(kX, kY), 0);
    EXPECT_EQ(CountOtherThan(kBackground), 25 * 25 + 25 * 77);
    grid.board.RemoveRows({3});
    EXPECT_GT(draw(kX, kY), 0);
    EXPECT_EQ(Pixel(kX + 12, kY + 26 + 12), Band(4, 12, 12));
    EXPECT_EQ(CountOtherThan(kBackground), 25 * 25);
    grid.board.Clear();
    EXPECT_GT(draw(kX, kY), 0);
    EXPECT_EQ(CountOtherThan(kBackground), 0);

    // Another place, and another board whose cells the first one's drawing must not stand for.
    grid.board.Place(bar, 2, 0);
    draw(kX, kY);
    EXPECT_GT(draw(kX, 300), 0);
    EXPECT_EQ(Pixel(kX + 12, 300 + 52 + 12), Band(6, 12, 12));
    CheckedBoard other(4, 3, true);
    other.board.SetCell(0, 2, &red);
    DrawGrid(grid, kX, kY);
    FillScreen(kBackground);
    DrawGrid(other, kX, kY);
    EXPECT_EQ(Pixel(kX + 52 + 12, kY + 12), Band(2, 12, 12));
    EXPECT_EQ(CountOtherThan(kBackground), 25 * 25);
}

}  // namespace
}  // namespace Drobix

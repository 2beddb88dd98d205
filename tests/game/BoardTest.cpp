// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Board.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/BlockFactory.h"
#include "game/BoardWithBlock.h"
#include "game/GridText.h"
#include "game/Random.h"
#include "game/RulesTest.h"

namespace Drobix {
namespace {

using Testing::GridText;

class BoardTest : public Testing::RulesTest {
protected:
    // Fills a whole row with single cells, leaving out one column (or none, with -1).
    static void FillRow(Board& board, unsigned row, int gapColumn = -1) {
        for (unsigned col = 0; col < board.GetColumnCount(); ++col) {
            if (static_cast<int>(col) != gapColumn) {
                board.SetCell(row, col, CreateRubbishCell());
            }
        }
    }

    Board board_{20, 10};
};

TEST_F(BoardTest, FitsRefusesNegativePositionsAndWalls) {
    // Shape 2 (.XX / XX.) has an empty top-left cell, yet row -1 or column -1 never fits.
    Block* block = CreateBlock(2);
    EXPECT_TRUE(board_.Fits(*block, 0, 0));
    EXPECT_FALSE(board_.Fits(*block, -1, 0));
    EXPECT_FALSE(board_.Fits(*block, 0, -1));
    EXPECT_TRUE(board_.Fits(*block, 18, 7));
    EXPECT_FALSE(board_.Fits(*block, 18, 8));
    EXPECT_FALSE(board_.Fits(*block, 19, 7));
    EXPECT_FALSE(board_.Fits(*block, 0x7FFFFFFF, 0));

    // Only filled cells need room: the empty corner may overlap a filled board cell.
    board_.SetCell(5, 3, CreateRubbishCell());
    EXPECT_TRUE(board_.Fits(*block, 5, 3));
    EXPECT_FALSE(board_.Fits(*block, 4, 3));
}

TEST_F(BoardTest, PlaceAndRemoveJoinOnlyOneBlocksCells) {
    Block* first = CreateBlock(0);
    Block* second = CreateBlock(0);
    board_.Place(*first, 18, 0);
    board_.Place(*second, 18, 2);
    EXPECT_TRUE(board_.IsSameBlock(18, 0, 19, 1));
    EXPECT_FALSE(board_.IsSameBlock(18, 1, 18, 2));
    EXPECT_EQ(board_.GetCellColour(19, 3), 3);
    board_.Remove(*first, 18, 0);
    EXPECT_FALSE(board_.IsCellFilled(18, 0));
    EXPECT_TRUE(board_.IsCellFilled(18, 2));
}

TEST_F(BoardTest, RemovesNonAdjacentRowsAndMovesTheRestDown) {
    FillRow(board_, 19);
    FillRow(board_, 18, 4);
    FillRow(board_, 17);
    Block* marker16 = CreateBlock(0);
    board_.SetCell(16, 0, marker16);
    Block* row18Cell = board_.GetCell(18, 0);

    const auto full = board_.FindFullRows(16, 4);
    ASSERT_EQ(full, (std::vector<unsigned>{17, 19}));
    board_.RemoveRows(full);

    // Row 18 moved to 19, row 16 to 18, and everything above by two.
    EXPECT_EQ(board_.GetCell(19, 0), row18Cell);
    EXPECT_FALSE(board_.IsCellFilled(19, 4));
    EXPECT_EQ(board_.GetCell(18, 0), marker16);
    for (unsigned row = 0; row < 18; ++row) {
        EXPECT_EQ(GridText(board_).substr(row * 11, 10), "..........") << "row " << row;
    }
}

TEST_F(BoardTest, FindFullRowsLooksOnlyAtTheGivenRowsAndTopRowEmptiesOnRemoval) {
    FillRow(board_, 0);
    FillRow(board_, 5);
    EXPECT_EQ(board_.FindFullRows(1, 4), std::vector<unsigned>{});
    EXPECT_EQ(board_.FindFullRows(0, 6), (std::vector<unsigned>{0, 5}));
    board_.RemoveRows({0});
    for (unsigned col = 0; col < 10; ++col) {
        EXPECT_FALSE(board_.IsCellFilled(0, col));
    }
    EXPECT_TRUE(board_.IsCellFilled(5, 9));
}

TEST_F(BoardTest, RubbishRowsAreNeverFullAndAreSeparateCells) {
    SeedRandom(99);
    board_.AddRubbishRows(10, 0.9F);
    for (unsigned row = 0; row < 20; ++row) {
        unsigned filled = 0;
        for (unsigned col = 0; col < 10; ++col) {
            if (board_.IsCellFilled(row, col)) {
                ++filled;
                EXPECT_EQ(board_.GetCellColour(row, col), kRubbishColour);
                if (col > 0 && board_.IsCellFilled(row, col - 1)) {
                    EXPECT_FALSE(board_.IsSameBlock(row, col, row, col - 1));
                }
            }
        }
        if (row < 10) {
            EXPECT_EQ(filled, 0U) << "row " << row;
        } else {
            EXPECT_LT(filled, 10U) << "row " << row;
            EXPECT_GT(filled, 0U) << "row " << row;
        }
    }
}

TEST_F(BoardTest, RubbishFullRowLosesTheCellNamedByTheNextNumber) {
    // Frequency 1 fills every column, so a further number picks the hole.
    SeedRandom(7);
    std::vector<int> numbers;
    for (int i = 0; i < 11; ++i) {
        numbers.push_back(NextRandom());
    }
    SeedRandom(7);
    board_.AddRubbishRows(1, 1.0F);
    for (unsigned col = 0; col < 10; ++col) {
        EXPECT_EQ(board_.IsCellFilled(19, col), static_cast<int>(col) != numbers[10] % 10);
    }
}

// The strict comparison is made with the single-precision frequency times 100 in double
// precision: 0.5 fills for r = 0..49, the stored 0.1 (a little above a tenth) for r = 0..10.
TEST_F(BoardTest, RubbishChanceIsStrictAndUsesTheStoredFrequency) {
    for (const auto& [frequency, lastFilled] : {std::pair{0.5F, 49}, std::pair{0.1F, 10}}) {
        Board wide(10, 100);
        SeedRandom(2024);
        std::vector<int> chances;
        for (int i = 0; i < 1000; ++i) {
            chances.push_back(NextRandom() % 100);
        }
        SeedRandom(2024);
        wide.AddRubbishRows(10, frequency);
        bool sawLast = false;
        bool sawNext = false;
        for (unsigned i = 0; i < 1000; ++i) {
            const unsigned row = 9 - i / 100;
            const unsigned col = i % 100;
            EXPECT_EQ(wide.IsCellFilled(row, col), chances[i] <= lastFilled) << "r " << chances[i];
            sawLast = sawLast || chances[i] == lastFilled;
            sawNext = sawNext || chances[i] == lastFilled + 1;
        }
        EXPECT_TRUE(sawLast && sawNext);
        DestroyAllBlocks();
    }
}

// The view of the board with a block on it answers every question as the board with the block
// placed does, and leaves the board as it was.
TEST_F(BoardTest, ViewWithABlockIsTheBoardWithTheBlockPlaced) {
    SeedRandom(7);
    board_.AddRubbishRows(8, 0.6F);
    for (int shape = 0; shape < kShapeCount; ++shape) {
        SCOPED_TRACE(shape);
        Block* block = CreateBlock(shape);
        for (int row = 0; row < 20; ++row) {
            for (int col = 0; col < 10; ++col) {
                if (!board_.Fits(*block, row, col)) {
                    continue;
                }
                const uint64_t revision = board_.GetRevision();
                const BoardWithBlock view(board_, *block, row, col);
                Board placed = board_;
                placed.Place(*block, row, col);
                for (unsigned i = 0; i < 20; ++i) {
                    for (unsigned j = 0; j < 10; ++j) {
                        ASSERT_EQ(view.IsCellFilled(i, j), placed.IsCellFilled(i, j));
                        if (!placed.IsCellFilled(i, j)) {
                            continue;
                        }
                        ASSERT_EQ(view.GetCellColour(i, j), placed.GetCellColour(i, j));
                        ASSERT_EQ(view.GetCellShape(i, j), placed.GetCellShape(i, j));
                        ASSERT_EQ(view.IsSameBlock(i, j, i, (j + 1) % 10),
                                  placed.IsSameBlock(i, j, i, (j + 1) % 10));
                        ASSERT_EQ(view.IsSameBlock(i, j, (i + 1) % 20, j),
                                  placed.IsSameBlock(i, j, (i + 1) % 20, j));
                    }
                }
                ASSERT_EQ(board_.GetRevision(), revision);
            }
        }
    }
}

}  // namespace
}  // namespace Drobix

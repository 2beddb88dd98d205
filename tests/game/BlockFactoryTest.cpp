// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/BlockFactory.h"

#include <gtest/gtest.h>

#include <set>

#include "game/BlockFactoryTesting.h"
#include "game/Board.h"
#include "game/GridText.h"
#include "game/Random.h"
#include "game/RulesTest.h"

namespace Drobix {
namespace {

using Testing::GridText;

class BlockFactoryTest : public Testing::RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        SeedRandom(12345);
    }

    // The distinct shapes, told apart by their pattern, among many random blocks.
    static std::set<std::string> PatternsDrawn(BlockSet set, int draws) {
        std::set<std::string> patterns;
        for (int i = 0; i < draws; ++i) {
            patterns.insert(GridText(*CreateRandomBlock({set, BlockColourMode::Fixed})));
        }
        DestroyAllBlocks();
        return patterns;
    }
};

TEST_F(BlockFactoryTest, EachBlockSetDrawsExactlyItsShapes) {
    std::set<std::string> standard;
    std::set<std::string> all;
    for (int shape = 0; shape < kShapeCount; ++shape) {
        const std::string pattern = GridText(*CreateBlock(shape));
        all.insert(pattern);
        if (shape < 7) {
            standard.insert(pattern);
        }
    }
    DestroyAllBlocks();
    ASSERT_EQ(all.size(), 14U);

    EXPECT_EQ(PatternsDrawn(BlockSet::Standard, 2000), standard);
    EXPECT_EQ(PatternsDrawn(BlockSet::StandardPlusExtra, 2000).size(), 9U);
    EXPECT_EQ(PatternsDrawn(BlockSet::Crazy, 2000), all);
}

TEST_F(BlockFactoryTest, RandomBlockDrawsShapeBeforeColour) {
    SeedRandom(1);
    // The first two numbers from state 1 are 41 and 18467.
    Block* block = CreateRandomBlock({BlockSet::Crazy, BlockColourMode::Random});
    EXPECT_EQ(GridText(*block), GridText(*CreateBlock(41 % 14)));
    EXPECT_EQ(block->GetCellColour(0, 0), 18467 % 14);
}

TEST_F(BlockFactoryTest, ColourRule) {
    const int fixedColours[kShapeCount] = {3, 1, 2, 4, 6, 5, 0, 7, 8, 9, 10, 11, 12, 13};
    for (int shape = 0; shape < kShapeCount; ++shape) {
        EXPECT_EQ(CreateBlock(shape)->GetCellColour(0, 0), fixedColours[shape]);
    }
    EXPECT_EQ(CreateRubbishCell()->GetCellColour(0, 0), kRubbishColour);

    std::set<int> colours;
    for (int i = 0; i < 1000; ++i) {
        colours.insert(CreateBlock(0, BlockColourMode::Random)->GetCellColour(0, 0));
    }
    EXPECT_EQ(colours.size(), 14U);
    EXPECT_EQ(*colours.rbegin(), 13);
    Block* rubbish = CreateRubbishCell();
    EXPECT_EQ(rubbish->GetCellColour(0, 0), kRubbishColour);
    EXPECT_EQ(GridText(*rubbish), "X");
}

// A block's cells tell its shape in every colour mode and every turn, on the board too, so that
// whatever draws them can mark the shape besides the colour; rubbish has none.
TEST_F(BlockFactoryTest, CellsTellTheirShapeWhateverTheirColour) {
    Board board(4, 4);
    for (int shape = 0; shape < kShapeCount; ++shape) {
        for (const BlockColourMode colours : {BlockColourMode::Fixed, BlockColourMode::Random}) {
            Block* block = CreateBlock(shape, colours);
            block->RotateClockwise();
            EXPECT_EQ(block->GetCellShape(0, 0), shape);
            board.Clear();
            board.Place(*block, 0, 0);
            for (unsigned row = 0; row < block->GetRowCount(); ++row) {
                for (unsigned col = 0; col < block->GetColumnCount(); ++col) {
                    if (board.IsCellFilled(row, col)) {
                        EXPECT_EQ(board.GetCellShape(row, col), shape);
                    }
                }
            }
        }
    }
    board.SetCell(3, 3, CreateRubbishCell());
    EXPECT_EQ(board.GetCellShape(3, 3), kNoShape);
}

TEST_F(BlockFactoryTest, RegistryOwnsAndDestroysBlocks) {
    Block* first = CreateBlock(0);
    CreateRubbishCell();
    EXPECT_EQ(Testing::LiveBlockCount(), 2U);
    DestroyBlock(first);
    EXPECT_EQ(Testing::LiveBlockCount(), 1U);
    // No longer registered: nothing happens.
    DestroyBlock(first);
    DestroyBlock(nullptr);
    EXPECT_EQ(Testing::LiveBlockCount(), 1U);
    DestroyAllBlocks();
    EXPECT_EQ(Testing::LiveBlockCount(), 0U);
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Movement.h"

#include <gtest/gtest.h>

#include "game/BlockFactory.h"
#include "game/GridText.h"
#include "game/RulesTest.h"

namespace Drobix {
namespace {

using Testing::GridText;

class MovementTest : public Testing::RulesTest {
protected:
    Board board_{20, 10};
};

TEST_F(MovementTest, SpawnColumnCentresByWidth) {
    for (int shape = 0; shape < kShapeCount; ++shape) {
        Block* block = CreateBlock(shape);
        const BlockPosition spawn = SpawnPosition(board_, *block);
        const bool fourWide = shape == 1 || shape == 10 || shape == 11;
        EXPECT_EQ(spawn.row, 0);
        EXPECT_EQ(spawn.column, fourWide ? 3 : 4) << "shape " << shape;
    }
}

TEST_F(MovementTest, MovesStopAtWallsAndFilledCells) {
    Block* block = CreateBlock(0);
    BlockPosition position{0, 1};
    EXPECT_TRUE(MoveLeft(board_, *block, position));
    EXPECT_FALSE(MoveLeft(board_, *block, position));
    EXPECT_EQ(position.column, 0);

    board_.SetCell(0, 2, CreateRubbishCell());
    EXPECT_FALSE(MoveRight(board_, *block, position));
    EXPECT_EQ(position.column, 0);

    position = {17, 5};
    EXPECT_TRUE(MoveDown(board_, *block, position));
    EXPECT_FALSE(MoveDown(board_, *block, position));
    EXPECT_EQ(position.row, 18);
}

TEST_F(MovementTest, BarTurnsIntoAColumnAtItsTopLeftCell) {
    Block* bar = CreateBlock(1);
    const BlockPosition position{5, 2};
    ASSERT_TRUE(Rotate(board_, *bar, position));
    board_.Place(*bar, position.row, position.column);
    for (unsigned row = 5; row < 9; ++row) {
        EXPECT_TRUE(board_.IsCellFilled(row, 2));
    }
    EXPECT_FALSE(board_.IsCellFilled(5, 3));
}

TEST_F(MovementTest, RotationThatDoesNotFitLeavesEverythingAsItWas) {
    // The bar at the bottom cannot stand up; shape 4 at the right wall cannot turn into a
    // wider rectangle; and a filled cell blocks the turned shape.
    Block* bar = CreateBlock(1);
    BlockPosition position{19, 3};
    EXPECT_FALSE(Rotate(board_, *bar, position));
    EXPECT_EQ(bar->GetRotationState(), 0U);
    EXPECT_EQ(GridText(*bar), "XXXX");

    Block* ell = CreateBlock(4);
    ell->RotateAnticlockwise();  // X. / X. / XX, two wide
    position = {0, 8};
    ASSERT_TRUE(board_.Fits(*ell, position.row, position.column));
    EXPECT_FALSE(Rotate(board_, *ell, position));
    EXPECT_EQ(ell->GetRotationState(), 3U);
    EXPECT_EQ(GridText(*ell), "X./X./XX");
    EXPECT_EQ(position.column, 8);

    Block* tee = CreateBlock(6);
    board_.SetCell(12, 4, CreateRubbishCell());
    position = {10, 4};
    EXPECT_FALSE(Rotate(board_, *tee, position));
    EXPECT_EQ(tee->GetRotationState(), 0U);
}

TEST_F(MovementTest, FourFittingTurnsReturnToTheStart) {
    Block* block = CreateBlock(7);
    const BlockPosition position{4, 4};
    const std::string start = GridText(*block);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Rotate(board_, *block, position));
    }
    EXPECT_EQ(block->GetRotationState(), 0U);
    EXPECT_EQ(GridText(*block), start);
}

TEST_F(MovementTest, HardDropStopsOnTheStack) {
    Block* block = CreateBlock(6);  // XXX / .X.
    board_.SetCell(15, 5, CreateRubbishCell());
    BlockPosition position{0, 4};
    HardDrop(board_, *block, position);
    EXPECT_EQ(position.row, 13);
    position = {0, 0};
    HardDrop(board_, *block, position);
    EXPECT_EQ(position.row, 18);
}

}  // namespace
}  // namespace Drobix

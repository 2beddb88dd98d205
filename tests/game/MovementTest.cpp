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

// Every shape in every state, anywhere on a board with a few filled cells: a clockwise turn is
// taken exactly where the turned block fits, and then leaves the cells that three anticlockwise
// turns leave wherever those fit; where it is refused, nothing changes.
TEST_F(MovementTest, ClockwiseTurnIsThreeAnticlockwiseTurnsWhereTheyFit) {
    board_.SetCell(10, 3, CreateRubbishCell());
    board_.SetCell(12, 6, CreateRubbishCell());
    board_.SetCell(19, 0, CreateRubbishCell());
    int taken = 0;
    int refused = 0;
    int comparedWithThree = 0;
    for (int shape = 0; shape < kShapeCount; ++shape) {
        for (unsigned state = 0; state < 4; ++state) {
            for (int row = 8; row < 20; ++row) {
                for (int column = 0; column < 10; ++column) {
                    Block* clockwise = CreateBlock(shape);
                    Block* anticlockwise = CreateBlock(shape);
                    Block* turned = CreateBlock(shape);
                    for (unsigned turn = 0; turn < state; ++turn) {
                        clockwise->RotateClockwise();
                        anticlockwise->RotateClockwise();
                        turned->RotateClockwise();
                    }
                    turned->RotateClockwise();
                    const BlockPosition position{row, column};
                    if (board_.Fits(*clockwise, row, column)) {
                        const std::string before = GridText(*clockwise);
                        const bool taking = RotateClockwise(board_, *clockwise, position);
                        EXPECT_EQ(taking, board_.Fits(*turned, row, column))
                            << "shape " << shape << " state " << state << " at " << row << ","
                            << column;
                        if (taking) {
                            ++taken;
                            EXPECT_EQ(clockwise->GetRotationState(), (state + 1) % 4);
                            if (Rotate(board_, *anticlockwise, position) &&
                                Rotate(board_, *anticlockwise, position) &&
                                Rotate(board_, *anticlockwise, position)) {
                                ++comparedWithThree;
                                EXPECT_EQ(GridText(*clockwise), GridText(*anticlockwise));
                                EXPECT_EQ(anticlockwise->GetRotationState(), (state + 1) % 4);
                            }
                        } else {
                            ++refused;
                            EXPECT_EQ(clockwise->GetRotationState(), state);
                            EXPECT_EQ(GridText(*clockwise), before);
                        }
                    }
                    DestroyAllBlocks();
                }
            }
        }
    }
    EXPECT_GT(comparedWithThree, 1000);
    EXPECT_GT(refused, 100);
    EXPECT_GT(taken, comparedWithThree);
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

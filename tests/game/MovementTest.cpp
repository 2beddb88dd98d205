// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Movement.h"

#include <gtest/gtest.h>

#include <string>

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

// The board cells the block covers at its position, row by row, as "row,column" pairs.
std::string CoveredCells(const Block& block, const BlockPosition& position) {
    std::string text;
    for (unsigned row = 0; row < block.GetRowCount(); ++row) {
        for (unsigned col = 0; col < block.GetColumnCount(); ++col) {
            if (block.IsCellFilled(row, col)) {
                if (!text.empty()) {
                    text += ' ';
                }
                text += std::to_string(position.row + static_cast<int>(row));
                text += ',';
                text += std::to_string(position.column + static_cast<int>(col));
            }
        }
    }
    return text;
}

// Turns the block in open space and says which cells it then covers.
std::string TurnedInTheOpen(const Board& board, Block& block, BlockPosition position,
                            TurnDirection direction) {
    EXPECT_TRUE(TurnWithKicks(board, block, position, direction));
    return CoveredCells(block, position);
}

TEST_F(MovementTest, ModernTurnsGoAboutTheMiddleOfTheBox) {
    // The bar lies in the second row of its 4 x 4 box, here rows 4..7 and columns 3..6; turned
    // either way it stands in the box's third or second column, and turned twice it lies in the
    // box's third row.
    Block* bar = CreateBlock(1);
    const BlockPosition barPlace{5, 3};
    ASSERT_EQ(CoveredCells(*bar, barPlace), "5,3 5,4 5,5 5,6");
    EXPECT_EQ(TurnedInTheOpen(board_, *bar, barPlace, TurnDirection::Clockwise), "4,5 5,5 6,5 7,5");
    bar = CreateBlock(1);
    EXPECT_EQ(TurnedInTheOpen(board_, *bar, barPlace, TurnDirection::Anticlockwise),
              "4,4 5,4 6,4 7,4");
    bar = CreateBlock(1);
    BlockPosition position = barPlace;
    ASSERT_TRUE(TurnWithKicks(board_, *bar, position, TurnDirection::Clockwise));
    ASSERT_TRUE(TurnWithKicks(board_, *bar, position, TurnDirection::Clockwise));
    EXPECT_EQ(CoveredCells(*bar, position), "6,3 6,4 6,5 6,6");

    // The square fills its 2 x 2 box and covers the same cells in every state.
    Block* square = CreateBlock(0);
    EXPECT_EQ(TurnedInTheOpen(board_, *square, {7, 2}, TurnDirection::Anticlockwise),
              "7,2 7,3 8,2 8,3");

    // XXX / .X. turns about its middle cell (6, 5): the top row becomes the right column.
    Block* tee = CreateBlock(6);
    EXPECT_EQ(TurnedInTheOpen(board_, *tee, {5, 4}, TurnDirection::Clockwise), "5,6 6,5 6,6 7,6");
    tee = CreateBlock(6);
    EXPECT_EQ(TurnedInTheOpen(board_, *tee, {5, 4}, TurnDirection::Anticlockwise),
              "5,4 6,4 6,5 7,4");

    // .XX / .X. / XX. fills its 3 x 3 box and turns within it.
    Block* ess = CreateBlock(7);
    EXPECT_EQ(TurnedInTheOpen(board_, *ess, {5, 4}, TurnDirection::Clockwise),
              "5,4 6,4 6,5 6,6 7,6");

    // X... / XXXX / ...X fills the top three rows of its 4 x 4 box (rows 5..8, columns 2..5).
    Block* long3 = CreateBlock(10);
    EXPECT_EQ(TurnedInTheOpen(board_, *long3, {5, 2}, TurnDirection::Clockwise),
              "5,4 5,5 6,4 7,4 8,3 8,4");
    long3 = CreateBlock(10);
    EXPECT_EQ(TurnedInTheOpen(board_, *long3, {5, 2}, TurnDirection::Anticlockwise),
              "5,3 5,4 6,3 7,3 8,2 8,3");
}

// In open space a modern turn never drifts: four turns either way, or a turn and its inverse,
// leave every shape on exactly the cells it started on.
TEST_F(MovementTest, ModernTurnsComeBackToTheSameCells) {
    const BlockPosition start{8, 3};
    for (int shape = 0; shape < kShapeCount; ++shape) {
        for (const TurnDirection direction :
             {TurnDirection::Clockwise, TurnDirection::Anticlockwise}) {
            Block* block = CreateBlock(shape);
            const std::string before = CoveredCells(*block, start);
            BlockPosition position = start;
            for (int turn = 0; turn < 4; ++turn) {
                EXPECT_TRUE(TurnWithKicks(board_, *block, position, direction));
            }
            EXPECT_EQ(CoveredCells(*block, position), before) << "shape " << shape;
            const TurnDirection back = direction == TurnDirection::Clockwise
                                           ? TurnDirection::Anticlockwise
                                           : TurnDirection::Clockwise;
            EXPECT_TRUE(TurnWithKicks(board_, *block, position, direction));
            EXPECT_TRUE(TurnWithKicks(board_, *block, position, back));
            EXPECT_EQ(CoveredCells(*block, position), before) << "shape " << shape;
            EXPECT_EQ(block->GetRotationState(), 0U);
        }
    }
}

TEST_F(MovementTest, ModernTurnsTakeTheFirstPlaceThatFits) {
    // A standing bar at the left wall lies down two columns to the right of where it would.
    Block* bar = CreateBlock(1);
    bar->RotateClockwise();
    BlockPosition position{10, 0};
    ASSERT_TRUE(TurnWithKicks(board_, *bar, position, TurnDirection::Clockwise));
    EXPECT_EQ(CoveredCells(*bar, position), "12,0 12,1 12,2 12,3");

    // Standing in the box's second column, it would stick out one column: one to the right is
    // enough.
    bar = CreateBlock(1);
    bar->RotateAnticlockwise();
    position = {10, 0};
    ASSERT_TRUE(TurnWithKicks(board_, *bar, position, TurnDirection::Anticlockwise));
    EXPECT_EQ(CoveredCells(*bar, position), "12,0 12,1 12,2 12,3");

    // At the right wall, one to the left.
    bar = CreateBlock(1);
    bar->RotateClockwise();
    position = {10, 9};
    ASSERT_TRUE(TurnWithKicks(board_, *bar, position, TurnDirection::Anticlockwise));
    EXPECT_EQ(CoveredCells(*bar, position), "11,6 11,7 11,8 11,9");

    // One column left is tried before one right: a cell in the way of the turned tee leaves
    // both open, and the left one is taken.
    Block* tee = CreateBlock(6);
    board_.SetCell(7, 6, CreateRubbishCell());
    position = {5, 4};
    ASSERT_TRUE(TurnWithKicks(board_, *tee, position, TurnDirection::Clockwise));
    EXPECT_EQ(CoveredCells(*tee, position), "5,5 6,4 6,5 7,5");

    // On the floor the tee moves one row up; the sideways places are tried first and also
    // cross the floor.
    tee = CreateBlock(6);
    position = {18, 0};
    ASSERT_TRUE(TurnWithKicks(board_, *tee, position, TurnDirection::Clockwise));
    EXPECT_EQ(CoveredCells(*tee, position), "17,2 18,1 18,2 19,2");

    // Two columns are only for the bar: a standing XXX / X.. at the left wall whose turn one
    // column right is blocked does not turn.
    board_.Clear();
    Block* ell = CreateBlock(4);
    ell->RotateClockwise();  // XX / .X / .X
    position = {10, 0};
    ASSERT_TRUE(board_.Fits(*ell, position.row, position.column));
    board_.SetCell(11, 0, CreateRubbishCell());
    board_.SetCell(12, 0, CreateRubbishCell());
    EXPECT_FALSE(TurnWithKicks(board_, *ell, position, TurnDirection::Clockwise));
    EXPECT_EQ(ell->GetRotationState(), 1U);
    EXPECT_EQ(position.row, 10);
    EXPECT_EQ(position.column, 0);
}

TEST_F(MovementTest, ModernTurnWithNoRoomChangesNothing) {
    // The bar flat on the floor would need two rows up to stand; in the top row it would need
    // to reach above the well.
    Block* bar = CreateBlock(1);
    BlockPosition position{19, 3};
    EXPECT_FALSE(TurnWithKicks(board_, *bar, position, TurnDirection::Clockwise));
    EXPECT_FALSE(TurnWithKicks(board_, *bar, position, TurnDirection::Anticlockwise));
    position = {0, 3};
    EXPECT_FALSE(TurnWithKicks(board_, *bar, position, TurnDirection::Clockwise));
    EXPECT_EQ(bar->GetRotationState(), 0U);
    EXPECT_EQ(CoveredCells(*bar, position), "0,3 0,4 0,5 0,6");
    // A row lower it stands.
    position = {1, 3};
    EXPECT_TRUE(TurnWithKicks(board_, *bar, position, TurnDirection::Clockwise));
    EXPECT_EQ(CoveredCells(*bar, position), "0,5 1,5 2,5 3,5");
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

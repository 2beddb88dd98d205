// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Block.h"
#include "game/Board.h"

namespace Drobix {

// Where the falling block stands: the board cell under the top-left cell of its seen rectangle.
struct BlockPosition {
    int row = 0;
    int column = 0;
};

// Row 0, centred by integer halves: column 4 for 2- and 3-wide blocks on a 10-wide board.
BlockPosition SpawnPosition(const Board& board, const Block& block);

// Each move is taken only when the block fits at its new place; the result says whether it was.
bool MoveLeft(const Board& board, const Block& block, BlockPosition& position);
bool MoveRight(const Board& board, const Block& block, BlockPosition& position);
bool MoveDown(const Board& board, const Block& block, BlockPosition& position);
// Turns the block anticlockwise about its top-left cell; undone when it does not fit there.
bool Rotate(const Board& board, Block& block, const BlockPosition& position);
// The exact inverse of Rotate, with the same test: a clockwise turn about the top-left cell,
// undone when it does not fit there.
bool RotateClockwise(const Board& board, Block& block, const BlockPosition& position);

enum class TurnDirection { Anticlockwise, Clockwise };

// Turns the block a quarter about the middle of its box: the square whose side is the block's
// longer side, which holds the block as built centred, rounding up and to the left where the
// difference of sides is odd (the bar lies in the box's second row). The whole box turns, so a
// square stays where it is and four turns, or a turn and its inverse, come back to the same
// cells. Where the turned block does not fit it is tried one column left, one column right, one
// row up and, for a four-long bar, two columns left and two columns right; the first place that
// fits is taken. Where none fits nothing changes. The result says whether the block turned.
bool TurnWithKicks(const Board& board, Block& block, BlockPosition& position,
                   TurnDirection direction);
// Moves the block down as far as it fits.
void HardDrop(const Board& board, const Block& block, BlockPosition& position);

}  // namespace Drobix

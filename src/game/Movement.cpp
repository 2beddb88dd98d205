// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Movement.h"

namespace Drobix {

namespace {
bool TryShift(const Board& board, const Block& block, BlockPosition& position, int rowStep,
              int columnStep) {
    const BlockPosition moved{position.row + rowStep, position.column + columnStep};
    if (!board.Fits(block, moved.row, moved.column)) {
        return false;
    }
    position = moved;
    return true;
}
}  // namespace

BlockPosition SpawnPosition(const Board& board, const Block& block) {
    const auto column =
        static_cast<int>(board.GetColumnCount() / 2) - static_cast<int>(block.GetColumnCount() / 2);
    return {0, column};
}

bool MoveLeft(const Board& board, const Block& block, BlockPosition& position) {
    return TryShift(board, block, position, 0, -1);
}

bool MoveRight(const Board& board, const Block& block, BlockPosition& position) {
    return TryShift(board, block, position, 0, 1);
}

bool MoveDown(const Board& board, const Block& block, BlockPosition& position) {
    return TryShift(board, block, position, 1, 0);
}

bool Rotate(const Board& board, Block& block, const BlockPosition& position) {
    block.RotateAnticlockwise();
    if (board.Fits(block, position.row, position.column)) {
        return true;
    }
    block.RotateClockwise();
    return false;
}

bool RotateClockwise(const Board& board, Block& block, const BlockPosition& position) {
    block.RotateClockwise();
    if (board.Fits(block, position.row, position.column)) {
        return true;
    }
    block.RotateAnticlockwise();
    return false;
}

void HardDrop(const Board& board, const Block& block, BlockPosition& position) {
    while (MoveDown(board, block, position)) {
    }
}

}  // namespace Drobix

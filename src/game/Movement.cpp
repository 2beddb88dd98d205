// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Movement.h"

#include <algorithm>
#include <array>
#include <span>

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

constexpr unsigned kQuarterTurns = 4;
constexpr unsigned kBarLength = 4;

// The places tried, as steps from where the turn about the middle leaves the block.
constexpr std::array<BlockPosition, 4> kKicks{{{0, 0}, {0, -1}, {0, 1}, {-1, 0}}};
constexpr std::array<BlockPosition, 6> kBarKicks{
    {{0, 0}, {0, -1}, {0, 1}, {-1, 0}, {0, -2}, {0, 2}}};

// Where the block's seen rectangle lies in its square box in the given rotation state. In state
// 0 the pattern of `rows` x `columns` is centred in the box, an odd row or column to spare going
// below or to the right; each clockwise quarter turns the box, taking box cell (r, c) to
// (c, side-1-r), and the rectangle with it.
BlockPosition OffsetInBox(unsigned rows, unsigned columns, unsigned state) {
    const auto side = static_cast<int>(std::max(rows, columns));
    const auto height = static_cast<int>(rows);
    const auto width = static_cast<int>(columns);
    const int top = (side - height) / 2;
    const int left = (side - width) / 2;
    switch (state % kQuarterTurns) {
        case 0:
            return {top, left};
        case 1:
            return {left, side - top - height};
        case 2:
            return {side - top - height, side - left - width};
        default:
            return {side - left - width, top};
    }
}

// The block's pattern size, as built, whatever its rotation state.
std::array<unsigned, 2> PatternSize(const Block& block) {
    if ((block.GetRotationState() & 1U) != 0) {
        return {block.GetColumnCount(), block.GetRowCount()};
    }
    return {block.GetRowCount(), block.GetColumnCount()};
}

bool IsBar(const Block& block) {
    return std::max(block.GetRowCount(), block.GetColumnCount()) == kBarLength &&
           std::min(block.GetRowCount(), block.GetColumnCount()) == 1;
}

void TurnOnce(Block& block, TurnDirection direction) {
    if (direction == TurnDirection::Clockwise) {
        block.RotateClockwise();
    } else {
        block.RotateAnticlockwise();
    }
}

void UndoTurn(Block& block, TurnDirection direction) {
    TurnOnce(block, direction == TurnDirection::Clockwise ? TurnDirection::Anticlockwise
                                                          : TurnDirection::Clockwise);
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

bool TurnWithKicks(const Board& board, Block& block, BlockPosition& position,
                   TurnDirection direction) {
    const auto [rows, columns] = PatternSize(block);
    const BlockPosition before = OffsetInBox(rows, columns, block.GetRotationState());
    TurnOnce(block, direction);
    const BlockPosition after = OffsetInBox(rows, columns, block.GetRotationState());
    const BlockPosition turned{position.row - before.row + after.row,
                               position.column - before.column + after.column};
    const std::span<const BlockPosition> kicks = IsBar(block)
                                                     ? std::span<const BlockPosition>(kBarKicks)
                                                     : std::span<const BlockPosition>(kKicks);
    for (const BlockPosition& kick : kicks) {
        const BlockPosition place{turned.row + kick.row, turned.column + kick.column};
        if (board.Fits(block, place.row, place.column)) {
            position = place;
            return true;
        }
    }
    UndoTurn(block, direction);
    return false;
}

void HardDrop(const Board& board, const Block& block, BlockPosition& position) {
    while (MoveDown(board, block, position)) {
    }
}

}  // namespace Drobix

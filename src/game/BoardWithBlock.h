// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Block.h"
#include "game/BlockGrid.h"
#include "game/Board.h"

namespace Drobix {

// The board as it would be with the block placed at (row, column), seen without changing it:
// what the player sees while a block falls, joined as a landed block would be. The block must
// fit there; board and block must outlive the view.
class BoardWithBlock final : public BlockGrid {
public:
    BoardWithBlock(const Board& board, const Block& block, int row, int column)
        : board_(board), block_(block), row_(row), column_(column) {}

    unsigned GetRowCount() const override { return board_.GetRowCount(); }
    unsigned GetColumnCount() const override { return board_.GetColumnCount(); }
    bool IsCellFilled(unsigned row, unsigned col) const override {
        return BlockAt(row, col) != nullptr;
    }
    bool IsSameBlock(unsigned row1, unsigned col1, unsigned row2, unsigned col2) const override {
        return BlockAt(row1, col1) == BlockAt(row2, col2);
    }
    // As the board tells them: each cell of a block has the block's colour and shape.
    int GetCellColour(unsigned row, unsigned col) const override {
        return BlockAt(row, col)->GetCellColour(0, 0);
    }
    int GetCellShape(unsigned row, unsigned col) const override {
        return BlockAt(row, col)->GetCellShape(0, 0);
    }

private:
    // The block that fills the cell, or null.
    const Block* BlockAt(unsigned row, unsigned col) const;

    const Board& board_;
    const Block& block_;
    int row_;
    int column_;
};

}  // namespace Drobix

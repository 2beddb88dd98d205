// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <vector>

#include "game/Block.h"
#include "game/BlockGrid.h"

namespace Drobix {

// The well: a fixed-size grid whose cells refer to the blocks that filled them. The board does
// not own the blocks; the live-block registry does.
class Board final : public BlockGrid {
public:
    Board(unsigned rows, unsigned columns);

    void Clear();
    Block* GetCell(unsigned row, unsigned col) const;
    void SetCell(unsigned row, unsigned col, Block* block);
    void EmptyCell(unsigned row, unsigned col);

    bool Fits(const Block& block, int row, int col) const;
    // Only where Fits is true.
    void Place(Block& block, int row, int col);
    void Remove(const Block& block, int row, int col);
    // The full rows among firstRow .. firstRow + count - 1, ascending.
    std::vector<unsigned> FindFullRows(unsigned firstRow, unsigned count) const;
    // Removes the listed rows (ascending) and moves the rows above down.
    void RemoveRows(const std::vector<unsigned>& rows);
    // Lays rowCount rows of rubbish from the bottom up; no rubbish row is ever full.
    void AddRubbishRows(unsigned rowCount, float frequency);

    unsigned GetRowCount() const override { return rows_; }
    unsigned GetColumnCount() const override { return columns_; }
    bool IsCellFilled(unsigned row, unsigned col) const override;
    bool IsSameBlock(unsigned row1, unsigned col1, unsigned row2, unsigned col2) const override;
    int GetCellColour(unsigned row, unsigned col) const override;
    int GetCellShape(unsigned row, unsigned col) const override;
    uint64_t GetRevision() const override { return revision_; }

private:
    Block*& CellAt(unsigned row, unsigned col) { return cells_[Index(row, col)]; }
    size_t Index(unsigned row, unsigned col) const {
        return static_cast<size_t>(row) * columns_ + col;
    }
    bool IsRowFull(unsigned row) const;
    void WriteBlockCells(const Block& block, int row, int col, Block* value);
    // Called by every change of the cells.
    void TakeNewRevision();

    unsigned rows_;
    unsigned columns_;
    std::vector<Block*> cells_;
    uint64_t revision_ = 0;
};

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Board.h"

#include <algorithm>
#include <atomic>

#include "game/BlockFactory.h"
#include "game/Random.h"

namespace Drobix {

namespace {
constexpr int kPercent = 100;
// Shared by every board, so that no two boards or contents ever have the same revision.
std::atomic<uint64_t> lastRevision{0};
}  // namespace

Board::Board(unsigned rows, unsigned columns)
    : rows_(rows), columns_(columns), cells_(static_cast<size_t>(rows) * columns, nullptr) {
    TakeNewRevision();
}

void Board::TakeNewRevision() {
    revision_ = lastRevision.fetch_add(1, std::memory_order_relaxed) + 1;
}

void Board::Clear() {
    std::fill(cells_.begin(), cells_.end(), nullptr);
    TakeNewRevision();
}

Block* Board::GetCell(unsigned row, unsigned col) const {
    return cells_[Index(row, col)];
}

void Board::SetCell(unsigned row, unsigned col, Block* block) {
    CellAt(row, col) = block;
    TakeNewRevision();
}

void Board::EmptyCell(unsigned row, unsigned col) {
    CellAt(row, col) = nullptr;
    TakeNewRevision();
}

bool Board::Fits(const Block& block, int row, int col) const {
    if (row < 0 || col < 0) {
        return false;
    }
    const auto top = static_cast<unsigned>(row);
    const auto left = static_cast<unsigned>(col);
    // Compared as subtractions so that a position near the unsigned limit cannot wrap around.
    if (block.GetRowCount() > rows_ || top > rows_ - block.GetRowCount() ||
        block.GetColumnCount() > columns_ || left > columns_ - block.GetColumnCount()) {
        return false;
    }
    for (unsigned i = 0; i < block.GetRowCount(); ++i) {
        for (unsigned j = 0; j < block.GetColumnCount(); ++j) {
            if (block.IsCellFilled(i, j) && IsCellFilled(top + i, left + j)) {
                return false;
            }
        }
    }
    return true;
}

void Board::Place(Block& block, int row, int col) {
    WriteBlockCells(block, row, col, &block);
}

void Board::Remove(const Block& block, int row, int col) {
    WriteBlockCells(block, row, col, nullptr);
}

void Board::WriteBlockCells(const Block& block, int row, int col, Block* value) {
    TakeNewRevision();
    for (unsigned i = 0; i < block.GetRowCount(); ++i) {
        for (unsigned j = 0; j < block.GetColumnCount(); ++j) {
            if (block.IsCellFilled(i, j)) {
                CellAt(static_cast<unsigned>(row) + i, static_cast<unsigned>(col) + j) = value;
            }
        }
    }
}

bool Board::IsRowFull(unsigned row) const {
    for (unsigned col = 0; col < columns_; ++col) {
        if (!IsCellFilled(row, col)) {
            return false;
        }
    }
    return true;
}

std::vector<unsigned> Board::FindFullRows(unsigned firstRow, unsigned count) const {
    std::vector<unsigned> full;
    for (unsigned row = firstRow; row < firstRow + count; ++row) {
        if (IsRowFull(row)) {
            full.push_back(row);
        }
    }
    return full;
}

void Board::RemoveRows(const std::vector<unsigned>& rows) {
    TakeNewRevision();
    for (const unsigned removed : rows) {
        // Each row from the removed one up takes the row above it; row 0 becomes empty.
        for (unsigned row = removed; row > 0; --row) {
            for (unsigned col = 0; col < columns_; ++col) {
                CellAt(row, col) = CellAt(row - 1, col);
            }
        }
        for (unsigned col = 0; col < columns_; ++col) {
            EmptyCell(0, col);
        }
    }
}

void Board::AddRubbishRows(unsigned rowCount, float frequency) {
    const unsigned columns = columns_;
    if (columns == 0) {
        return;
    }
    TakeNewRevision();
    // The strict test is made in double precision on the single-precision frequency.
    const double threshold = static_cast<double>(frequency) * 100.0;
    for (unsigned i = 0; i < rowCount && i < rows_; ++i) {
        const unsigned row = rows_ - 1 - i;
        bool hasHole = false;
        for (unsigned col = 0; col < columns; ++col) {
            const int chance = NextRandom() % kPercent;
            if (threshold > chance) {
                CellAt(row, col) = CreateRubbishCell();
            } else {
                hasHole = true;
            }
        }
        if (!hasHole) {
            EmptyCell(row, static_cast<unsigned>(NextRandom()) % columns);
        }
    }
}

bool Board::IsCellFilled(unsigned row, unsigned col) const {
    return cells_[Index(row, col)] != nullptr;
}

bool Board::IsSameBlock(unsigned row1, unsigned col1, unsigned row2, unsigned col2) const {
    return cells_[Index(row1, col1)] == cells_[Index(row2, col2)];
}

int Board::GetCellColour(unsigned row, unsigned col) const {
    return cells_[Index(row, col)]->GetCellColour(0, 0);
}

int Board::GetCellShape(unsigned row, unsigned col) const {
    return cells_[Index(row, col)]->GetCellShape(0, 0);
}

}  // namespace Drobix

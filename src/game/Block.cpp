// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Block.h"

#include <algorithm>

namespace Drobix {

namespace {
constexpr unsigned kRotationStates = 4;
}

Block::Block(unsigned rows, unsigned columns, int colour, int shape)
    : patternRows_(std::min(rows, kMaxSide)),
      patternColumns_(std::min(columns, kMaxSide)),
      colour_(colour),
      shape_(shape) {}

void Block::SetCell(unsigned row, unsigned col) {
    cells_[StoredIndex(row, col)] = 1;
}

void Block::RotateClockwise() {
    rotationState_ = (rotationState_ + 1) % kRotationStates;
}

void Block::RotateAnticlockwise() {
    rotationState_ = (rotationState_ + kRotationStates - 1) % kRotationStates;
}

unsigned Block::GetRowCount() const {
    return IsTurnedQuarter() ? patternColumns_ : patternRows_;
}

unsigned Block::GetColumnCount() const {
    return IsTurnedQuarter() ? patternRows_ : patternColumns_;
}

bool Block::IsCellFilled(unsigned row, unsigned col) const {
    return cells_[StoredIndex(row, col)] != 0;
}

bool Block::IsSameBlock(unsigned row1, unsigned col1, unsigned row2, unsigned col2) const {
    return IsCellFilled(row1, col1) && IsCellFilled(row2, col2);
}

int Block::GetCellColour(unsigned, unsigned) const {
    return colour_;
}

int Block::GetCellShape(unsigned, unsigned) const {
    return shape_;
}

size_t Block::StoredIndex(unsigned row, unsigned col) const {
    unsigned storedRow = row;
    unsigned storedCol = col;
    switch (rotationState_) {
        case 1:
            storedRow = patternRows_ - 1 - col;
            storedCol = row;
            break;
        case 2:
            storedRow = patternRows_ - 1 - row;
            storedCol = patternColumns_ - 1 - col;
            break;
        case 3:
            storedRow = col;
            storedCol = patternColumns_ - 1 - row;
            break;
        default:
            break;
    }
    return static_cast<size_t>(storedRow) * patternColumns_ + storedCol;
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "game/BlockGrid.h"

namespace Drobix {

// The falling piece: a fixed pattern of cells seen through a rotation state, so that turning
// the block never copies its cells. Its position belongs to whoever moves it.
class Block final : public BlockGrid {
public:
    // The largest pattern, in rows and in columns; larger sizes are cut to it. The cells live in
    // the block itself, so that blocks can be reused without allocating.
    static constexpr unsigned kMaxSide = 4;

    // The shape is the block factory's shape index, or kNoShape for a block of no shape.
    Block(unsigned rows, unsigned columns, int colour, int shape = kNoShape);

    // Fills the cell seen at (row, col) in the current rotation state.
    void SetCell(unsigned row, unsigned col);
    void RotateClockwise();
    void RotateAnticlockwise();
    // Quarter turns clockwise from the pattern as built, 0..3.
    unsigned GetRotationState() const { return rotationState_; }

    unsigned GetRowCount() const override;
    unsigned GetColumnCount() const override;
    bool IsCellFilled(unsigned row, unsigned col) const override;
    bool IsSameBlock(unsigned row1, unsigned col1, unsigned row2, unsigned col2) const override;
    int GetCellColour(unsigned row, unsigned col) const override;
    int GetCellShape(unsigned row, unsigned col) const override;

private:
    bool IsTurnedQuarter() const { return (rotationState_ & 1U) != 0; }
    // Index into cells_ of the pattern cell seen at (row, col).
    size_t StoredIndex(unsigned row, unsigned col) const;

    unsigned patternRows_;
    unsigned patternColumns_;
    std::array<uint8_t, kMaxSide * kMaxSide> cells_{};
    unsigned rotationState_ = 0;
    int colour_;
    int shape_;
};

}  // namespace Drobix

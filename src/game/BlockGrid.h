// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Drobix {

// The shape of a cell that belongs to no shape: rubbish, and grids made cell by cell.
constexpr int kNoShape = -1;

// A rectangle of square cells as the rest of the program sees it: the falling block, the
// preview, the playing field and the menus' decorations. Grid drawing and the board's fit
// test work only through this interface. Callers keep row and column inside the counts.
class BlockGrid {
public:
    virtual ~BlockGrid() = default;

    virtual unsigned GetRowCount() const = 0;
    virtual unsigned GetColumnCount() const = 0;
    virtual bool IsCellFilled(unsigned row, unsigned col) const = 0;
    // Whether the two cells belong together and are drawn joined.
    virtual bool IsSameBlock(unsigned row1, unsigned col1, unsigned row2, unsigned col2) const = 0;
    // Colour index 0..14 of a filled cell; never asked of an empty one.
    virtual int GetCellColour(unsigned row, unsigned col) const = 0;
    // Shape index 0..13 of the block a filled cell belongs to, whatever its colour, or kNoShape;
    // never asked of an empty one.
    virtual int GetCellShape(unsigned row, unsigned col) const {
        static_cast<void>(row);
        static_cast<void>(col);
        return kNoShape;
    }
    // Differs for every content of every grid that counts its changes, so that a drawing of
    // it can be kept while it stays the same; 0 for a grid that does not count them.
    virtual uint64_t GetRevision() const { return 0; }
};

}  // namespace Drobix

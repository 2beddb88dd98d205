// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/BoardWithBlock.h"

namespace Drobix {

const Block* BoardWithBlock::BlockAt(unsigned row, unsigned col) const {
    const int i = static_cast<int>(row) - row_;
    const int j = static_cast<int>(col) - column_;
    const bool insideBlock = i >= 0 && j >= 0 && static_cast<unsigned>(i) < block_.GetRowCount() &&
                             static_cast<unsigned>(j) < block_.GetColumnCount();
    if (insideBlock && block_.IsCellFilled(static_cast<unsigned>(i), static_cast<unsigned>(j))) {
        return &block_;
    }
    return board_.GetCell(row, col);
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "game/BlockGrid.h"

namespace Drobix::Testing {

// A grid as text, rows separated by slashes: "XXX/X.." for filled and empty cells.
inline std::string GridText(const BlockGrid& grid) {
    std::string text;
    for (unsigned row = 0; row < grid.GetRowCount(); ++row) {
        if (row > 0) {
            text += '/';
        }
        for (unsigned col = 0; col < grid.GetColumnCount(); ++col) {
            text += grid.IsCellFilled(row, col) ? 'X' : '.';
        }
    }
    return text;
}

}  // namespace Drobix::Testing

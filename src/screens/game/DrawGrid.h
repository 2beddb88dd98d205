// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/BlockGrid.h"

namespace Drobix {

// Draws every filled cell of the grid into the back buffer, its top-left cell at (x, y), with
// the cells of one block joined into one piece and neighbouring blocks kept apart. With the
// patterns preference on, each cell of a shape also carries that shape's pattern.
void DrawGrid(const BlockGrid& grid, int x, int y);

}  // namespace Drobix

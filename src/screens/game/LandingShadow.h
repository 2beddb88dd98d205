// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/BlockGrid.h"

namespace Drobix {

// Outlines the block's cells, as the grid drawing lays them out with the top-left cell at
// (x, y): a band two pixels wide just inside the edge of the block's whole outline, bridging the
// gaps between its cells, in the light shade of each cell's colour from the block sprite sheet.
// Nothing inside the outline is touched, so whatever lies under it shows through.
void DrawLandingShadow(const BlockGrid& block, int x, int y);

}  // namespace Drobix

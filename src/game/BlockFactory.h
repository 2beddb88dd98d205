// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Block.h"
#include "game/BlockOptions.h"

namespace Drobix {

constexpr int kShapeCount = 14;
constexpr int kRubbishColour = 14;
constexpr int kBlockColourCount = 14;

// Shapes in the set: 7, 9 or 14.
int BlockSetSize(BlockSet set);

// Every block made here belongs to the live-block registry until it is destroyed through it.
// With random colours the colour is drawn from the shared generator.
Block* CreateBlock(int shapeIndex, BlockColourMode colours = BlockColourMode::Fixed);
// Draws the shape from the set, then makes it with CreateBlock.
Block* CreateRandomBlock(const BlockOptions& options);
Block* CreateRubbishCell();
void DestroyBlock(Block* block);
void DestroyAllBlocks();

}  // namespace Drobix

#pragma once

#include "game/Block.h"

namespace Drobix {

constexpr int kShapeCount = 14;
constexpr int kRubbishColour = 14;
constexpr int kBlockColourCount = 14;

// Shapes in the set chosen by a block-types option value (0, 1 or 2). Any other value is taken
// as the standard set, so a stray option can never choose a shape that does not exist.
int BlockSetSize(int blockTypes);

// Every block made here belongs to the live-block registry until it is destroyed through it.
Block* CreateBlock(int shapeIndex);
Block* CreateRandomBlock();
Block* CreateRubbishCell();
void DestroyBlock(Block* block);
void DestroyAllBlocks();

}  // namespace Drobix

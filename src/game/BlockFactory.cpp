// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/BlockFactory.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "game/BlockFactoryTesting.h"
#include "game/Random.h"

namespace Drobix {

namespace {

struct Shape {
    unsigned rows;
    unsigned columns;
    // Rows top to bottom, 'X' filled, '.' empty.
    std::string_view pattern;
    int fixedColour;
};

constexpr std::array<Shape, kShapeCount> kShapes{{
    {2, 2, "XXXX", 3},
    {1, 4, "XXXX", 1},
    {2, 3, ".XXXX.", 2},
    {2, 3, "XX..XX", 4},
    {2, 3, "XXXX..", 6},
    {2, 3, "XXX..X", 5},
    {2, 3, "XXX.X.", 0},
    {3, 3, ".XX.X.XX.", 7},
    {2, 3, "X.XXXX", 8},
    {3, 3, "XXXX.XXXX", 9},
    {3, 4, "X...XXXX...X", 10},
    {3, 4, "...XXXXXX...", 11},
    {3, 3, "X.XXX.X.X", 12},
    {3, 3, "X.X.X.X.X", 13},
}};

constexpr int kStandardSetSize = 7;
constexpr int kStandardPlusExtraSetSize = 9;

// More blocks than are ever alive at once: a full board of single cells, the menu's logo and
// decorations, the falling and the next block.
constexpr size_t kReservedBlocks = 320;

// The live-block registry, in order of creation, and the destroyed blocks kept for reuse. Both
// are filled to kReservedBlocks with the first block, so that blocks come and go during play
// without allocating.
std::vector<std::unique_ptr<Block>> liveBlocks;
std::vector<std::unique_ptr<Block>> spareBlocks;

void ReserveBlocks() {
    liveBlocks.reserve(kReservedBlocks);
    spareBlocks.reserve(kReservedBlocks);
    while (spareBlocks.size() < kReservedBlocks) {
        spareBlocks.push_back(std::make_unique<Block>(0, 0, 0));
    }
}

Block* Register(unsigned rows, unsigned columns, int colour, int shape) {
    if (liveBlocks.capacity() < kReservedBlocks) {
        ReserveBlocks();
    }
    if (spareBlocks.empty()) {
        liveBlocks.push_back(std::make_unique<Block>(rows, columns, colour, shape));
    } else {
        *spareBlocks.back() = Block(rows, columns, colour, shape);
        liveBlocks.push_back(std::move(spareBlocks.back()));
        spareBlocks.pop_back();
    }
    return liveBlocks.back().get();
}

}  // namespace

int BlockSetSize(BlockSet set) {
    switch (set) {
        case BlockSet::Standard:
            return kStandardSetSize;
        case BlockSet::StandardPlusExtra:
            return kStandardPlusExtraSetSize;
        case BlockSet::Crazy:
            return kShapeCount;
    }
    // Only a value cast from outside the set reaches here: the smallest set is always safe.
    return kStandardSetSize;
}

Block* CreateBlock(int shapeIndex, BlockColourMode colours) {
    const Shape& shape = kShapes[shapeIndex];
    int colour = shape.fixedColour;
    switch (colours) {
        case BlockColourMode::Fixed:
            break;
        case BlockColourMode::Random:
            colour = NextRandom() % kBlockColourCount;
            break;
    }
    Block* block = Register(shape.rows, shape.columns, colour, shapeIndex);
    for (unsigned row = 0; row < shape.rows; ++row) {
        for (unsigned col = 0; col < shape.columns; ++col) {
            if (shape.pattern[row * shape.columns + col] == 'X') {
                block->SetCell(row, col);
            }
        }
    }
    return block;
}

Block* CreateRandomBlock(const BlockOptions& options) {
    const int shapeIndex = NextRandom() % BlockSetSize(options.set);
    return CreateBlock(shapeIndex, options.colours);
}

Block* CreateRubbishCell() {
    Block* block = Register(1, 1, kRubbishColour, kNoShape);
    block->SetCell(0, 0);
    return block;
}

void DestroyBlock(Block* block) {
    const auto found = std::find_if(liveBlocks.begin(), liveBlocks.end(),
                                    [block](const auto& live) { return live.get() == block; });
    if (found != liveBlocks.end()) {
        spareBlocks.push_back(std::move(*found));
        liveBlocks.erase(found);
    }
}

void DestroyAllBlocks() {
    // Their storage too: the next block made reserves it afresh.
    liveBlocks.clear();
    liveBlocks.shrink_to_fit();
    spareBlocks.clear();
    spareBlocks.shrink_to_fit();
}

namespace Testing {

size_t LiveBlockCount() {
    return liveBlocks.size();
}

}  // namespace Testing

}  // namespace Drobix

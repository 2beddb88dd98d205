// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/BlockFactory.h"
#include "game/GridText.h"
#include "game/RulesTest.h"

namespace Drobix {
namespace {

using Testing::GridText;

struct ShapeCase {
    int shape;
    std::string pattern;
    int colour;
};

// The shapes as players know them, written out independently of the factory's table.
const std::vector<ShapeCase> kShapeCases = {
    {0, "XX/XX", 3},
    {1, "XXXX", 1},
    {2, ".XX/XX.", 2},
    {3, "XX./.XX", 4},
    {4, "XXX/X..", 6},
    {5, "XXX/..X", 5},
    {6, "XXX/.X.", 0},
    {7, ".XX/.X./XX.", 7},
    {8, "X.X/XXX", 8},
    {9, "XXX/X.X/XXX", 9},
    {10, "X.../XXXX/...X", 10},
    {11, "...X/XXXX/X...", 11},
    {12, "X.X/XX./X.X", 12},
    {13, "X.X/.X./X.X", 13},
};

std::vector<std::string> SplitRows(const std::string& pattern) {
    std::vector<std::string> rows(1);
    for (char cell : pattern) {
        if (cell == '/') {
            rows.emplace_back();
        } else {
            rows.back() += cell;
        }
    }
    return rows;
}

// The cell seen at (r, c) in each rotation state is the stored cell the rotation table names.
std::string Rotated(const std::string& pattern, unsigned state) {
    const auto rows = SplitRows(pattern);
    const auto patternRows = static_cast<unsigned>(rows.size());
    const auto patternColumns = static_cast<unsigned>(rows[0].size());
    const bool quarter = (state % 2) == 1;
    const unsigned seenRows = quarter ? patternColumns : patternRows;
    const unsigned seenColumns = quarter ? patternRows : patternColumns;
    std::string text;
    for (unsigned r = 0; r < seenRows; ++r) {
        if (r > 0) {
            text += '/';
        }
        for (unsigned c = 0; c < seenColumns; ++c) {
            switch (state) {
                case 0:
                    text += rows[r][c];
                    break;
                case 1:
                    text += rows[patternRows - 1 - c][r];
                    break;
                case 2:
                    text += rows[patternRows - 1 - r][patternColumns - 1 - c];
                    break;
                default:
                    text += rows[c][patternColumns - 1 - r];
                    break;
            }
        }
    }
    return text;
}

using BlockTest = Testing::RulesTest;

TEST_F(BlockTest, EveryShapeSeenThroughEveryRotationState) {
    for (const ShapeCase& shape : kShapeCases) {
        Block* block = CreateBlock(shape.shape);
        for (unsigned step = 0; step < 4; ++step) {
            const unsigned state = block->GetRotationState();
            EXPECT_EQ(GridText(*block), Rotated(shape.pattern, state))
                << "shape " << shape.shape << " state " << state;
            block->RotateAnticlockwise();
        }
        EXPECT_EQ(block->GetRotationState(), 0U);
    }
}

TEST_F(BlockTest, ShapeFourTurnsAsDrawn) {
    Block* block = CreateBlock(4);
    EXPECT_EQ(GridText(*block), "XXX/X..");
    block->RotateAnticlockwise();
    EXPECT_EQ(block->GetRotationState(), 3U);
    EXPECT_EQ(GridText(*block), "X./X./XX");
    block->RotateAnticlockwise();
    EXPECT_EQ(GridText(*block), "..X/XXX");
    block->RotateAnticlockwise();
    EXPECT_EQ(GridText(*block), "XX/.X/.X");
    block->RotateClockwise();
    EXPECT_EQ(block->GetRotationState(), 2U);
}

TEST_F(BlockTest, QuarterTurnsExchangeCountsAndEveryFilledCellIsOneBlock) {
    Block* bar = CreateBlock(1);
    EXPECT_EQ(bar->GetRowCount(), 1U);
    EXPECT_EQ(bar->GetColumnCount(), 4U);
    bar->RotateClockwise();
    EXPECT_EQ(bar->GetRowCount(), 4U);
    EXPECT_EQ(bar->GetColumnCount(), 1U);
    EXPECT_TRUE(bar->IsSameBlock(0, 0, 3, 0));

    Block* tee = CreateBlock(6);
    EXPECT_TRUE(tee->IsSameBlock(0, 0, 1, 1));
    EXPECT_FALSE(tee->IsSameBlock(0, 0, 1, 0));
    EXPECT_EQ(tee->GetCellColour(1, 0), 0);
}

TEST_F(BlockTest, SymmetricShapesStillChangeState) {
    for (int shape : {0, 9, 13}) {
        Block* block = CreateBlock(shape);
        const std::string seen = GridText(*block);
        block->RotateAnticlockwise();
        EXPECT_EQ(GridText(*block), seen);
        EXPECT_EQ(block->GetRotationState(), 3U);
    }
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/game/LandingShadow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/BlockFactory.h"
#include "graphics/DisplayFixture.h"
#include "resources/ResourceIds.h"

namespace Drobix {
namespace {

constexpr uint16_t kBackground = 0;
constexpr int kSheetWidth = 43;
constexpr int kSheetHeight = 375;
constexpr int kX = 200;
constexpr int kY = 100;
constexpr int kSpan = 4 * 26;

// A sprite sheet whose every pixel tells where it came from.
uint16_t SheetPixel(int x, int y) {
    return static_cast<uint16_t>(1 + x + kSheetWidth * y);
}

// The pixels a block covers as the grid draws it: its cells, the gaps between cells side by
// side, and the crossing of gaps where four cells meet.
std::vector<bool> Footprint(const Block& block) {
    std::vector<bool> inside(kSpan * kSpan, false);
    auto filled = [&](int i, int j) {
        return i >= 0 && j >= 0 && i < static_cast<int>(block.GetRowCount()) &&
               j < static_cast<int>(block.GetColumnCount()) &&
               block.IsCellFilled(static_cast<unsigned>(i), static_cast<unsigned>(j));
    };
    for (int py = 0; py < kSpan; ++py) {
        for (int px = 0; px < kSpan; ++px) {
            const int i = py / 26;
            const int j = px / 26;
            const bool gapRight = px % 26 == 25;
            const bool gapBelow = py % 26 == 25;
            bool in = filled(i, j);
            if (gapRight) {
                in = in && filled(i, j + 1);
            }
            if (gapBelow) {
                in = in && filled(i + 1, j);
            }
            if (gapRight && gapBelow) {
                in = in && filled(i + 1, j + 1);
            }
            inside[py * kSpan + px] = in;
        }
    }
    return inside;
}

// Inside the footprint and at most two pixels, counting diagonally, from a pixel outside it.
bool OnOutline(const std::vector<bool>& inside, int px, int py) {
    auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kSpan && y < kSpan && inside[y * kSpan + x];
    };
    if (!in(px, py)) {
        return false;
    }
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (!in(px + dx, py + dy)) {
                return true;
            }
        }
    }
    return false;
}

class LandingShadowTest : public Testing::DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        std::vector<uint16_t> sheet;
        for (int y = 0; y < kSheetHeight; ++y) {
            for (int x = 0; x < kSheetWidth; ++x) {
                sheet.push_back(SheetPixel(x, y));
            }
        }
        LoadPicture(ResourceId::kBlockSpriteSheet, kSheetWidth, kSheetHeight, sheet);
    }
    void TearDown() override {
        DestroyAllBlocks();
        DisplayFixture::TearDown();
    }
};

// Every shape in every state: exactly the two-pixel band inside the edge of the block's whole
// outline is drawn, concave corners closed and the gaps between its cells bridged, in the light
// top-edge shade of the block's colour; nothing inside it or around it.
TEST_F(LandingShadowTest, OutlinesTheWholeBlockAndNothingElse) {
    for (int shape = 0; shape < kShapeCount; ++shape) {
        Block* block = CreateBlock(shape);
        const uint16_t shade = SheetPixel(12, 25 * block->GetCellColour(0, 0) + 1);
        for (unsigned state = 0; state < 4; ++state) {
            FillScreen(kBackground);
            DrawLandingShadow(*block, kX, kY);
            const std::vector<bool> inside = Footprint(*block);
            CompleteFrame();
            const uint16_t* pixels = BackBufferPixels();
            int outline = 0;
            for (int py = -3; py < kSpan + 3; ++py) {
                for (int px = -3; px < kSpan + 3; ++px) {
                    const bool expected = OnOutline(inside, px, py);
                    outline += expected ? 1 : 0;
                    const size_t at = static_cast<size_t>(kY + py) * kScreenWidth + (kX + px);
                    ASSERT_EQ(pixels[at], expected ? shade : kBackground)
                        << "shape " << shape << " state " << state << " at " << px << "," << py;
                }
            }
            EXPECT_EQ(std::count_if(pixels, pixels + Platform::kFramePixels,
                                    [](uint16_t pixel) { return pixel != kBackground; }),
                      outline);
            block->RotateClockwise();
        }
    }
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/game/LandingShadow.h"

#include "game/BoardLayout.h"
#include "graphics/Display.h"
#include "graphics/ImageResources.h"
#include "resources/ResourceIds.h"

namespace Drobix {

namespace {

constexpr int kCellSize = 25;
constexpr int kGap = kCellPitch - kCellSize;
constexpr int kBandWidth = 2;
constexpr int kColourCount = 15;
// A pixel of a face's light top edge in the sprite sheet, below its dark rim.
constexpr int kLightShadeX = kCellSize / 2;
constexpr int kLightShadeY = 1;

class Cells {
public:
    explicit Cells(const BlockGrid& grid) : grid_(grid) {}

    bool IsFilled(int row, int col) const {
        return row >= 0 && col >= 0 && row < static_cast<int>(grid_.GetRowCount()) &&
               col < static_cast<int>(grid_.GetColumnCount()) &&
               grid_.IsCellFilled(static_cast<unsigned>(row), static_cast<unsigned>(col));
    }

private:
    const BlockGrid& grid_;
};

// How far a side's band reaches past the end of its cell: over the gap to a neighbour that
// carries the band on, and on through the neighbour's band where the outline turns inwards.
int Reach(bool neighbourAlong, bool neighbourAcross) {
    if (!neighbourAlong) {
        return 0;
    }
    return neighbourAcross ? kGap + kBandWidth : kGap;
}

void Fill(ImageSurface* sheet, const Rect& shade, const Rect& band) {
    StretchImage(sheet, &shade, &band);
}

void OutlineCell(ImageSurface* sheet, const Cells& cells, int i, int j, int x0, int y0,
                 int colour) {
    const int c = kCellSize * colour;
    const Rect shade{kLightShadeX, c + kLightShadeY, kLightShadeX + 1, c + kLightShadeY + 1};
    const bool left = cells.IsFilled(i, j - 1);
    const bool right = cells.IsFilled(i, j + 1);
    const bool up = cells.IsFilled(i - 1, j);
    const bool down = cells.IsFilled(i + 1, j);
    const int x1 = x0 + kCellSize;
    const int y1 = y0 + kCellSize;
    if (!up) {
        Fill(sheet, shade,
             {x0 - Reach(left, cells.IsFilled(i - 1, j - 1)), y0,
              x1 + Reach(right, cells.IsFilled(i - 1, j + 1)), y0 + kBandWidth});
    }
    if (!down) {
        Fill(sheet, shade,
             {x0 - Reach(left, cells.IsFilled(i + 1, j - 1)), y1 - kBandWidth,
              x1 + Reach(right, cells.IsFilled(i + 1, j + 1)), y1});
    }
    if (!left) {
        Fill(sheet, shade,
             {x0, y0 - Reach(up, cells.IsFilled(i - 1, j - 1)), x0 + kBandWidth,
              y1 + Reach(down, cells.IsFilled(i + 1, j - 1))});
    }
    if (!right) {
        Fill(sheet, shade,
             {x1 - kBandWidth, y0 - Reach(up, cells.IsFilled(i - 1, j + 1)), x1,
              y1 + Reach(down, cells.IsFilled(i + 1, j + 1))});
    }
}

}  // namespace

void DrawLandingShadow(const BlockGrid& block, int x, int y) {
    ImageSurface* sheet = LoadPngImageKeyed(ResourceId::kBlockSpriteSheet, 0, 0);
    if (sheet == nullptr) {
        return;
    }
    const Cells cells(block);
    const auto rows = static_cast<int>(block.GetRowCount());
    const auto columns = static_cast<int>(block.GetColumnCount());
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            if (!cells.IsFilled(i, j)) {
                continue;
            }
            const int colour =
                block.GetCellColour(static_cast<unsigned>(i), static_cast<unsigned>(j));
            if (colour >= 0 && colour < kColourCount) {
                OutlineCell(sheet, cells, i, j, x + kCellPitch * j, y + kCellPitch * i, colour);
            }
        }
    }
}

}  // namespace Drobix

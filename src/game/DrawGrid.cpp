#include "game/DrawGrid.h"

#include "game/BoardLayout.h"
#include "graphics/Display.h"
#include "graphics/ImageResources.h"

namespace Drobix {

namespace {

// The sprite sheet has one band of kCellSize rows per colour: the face at x 0..24, the
// corner pieces at x 26..33 (left) and 35..42 (right), y 0..7 (top) and 9..16 (bottom).
constexpr int kCellSize = 25;
constexpr int kCornerSize = 8;
constexpr int kLeftCornerX = 26;
constexpr int kRightCornerX = 35;
constexpr int kBottomCornerY = 9;
constexpr int kFarCornerOffset = kCellSize - kCornerSize;
// The face's interior serves as filler: strips 5 pixels across starting 2 pixels in, laid over
// the 1-pixel gap from 3 pixels before the cell.
constexpr int kFillerStart = 2;
constexpr int kFillerSize = 5;
constexpr int kBridgeOffset = 3;
constexpr int kColourCount = 15;

struct Joins {
    bool left;
    bool right;
    bool up;
    bool down;
};

Joins FindJoins(const BlockGrid& grid, unsigned i, unsigned j) {
    const unsigned rows = grid.GetRowCount();
    const unsigned columns = grid.GetColumnCount();
    const bool l = j > 0 && grid.IsCellFilled(i, j - 1);
    const bool r = j + 1 < columns && grid.IsCellFilled(i, j + 1);
    const bool u = i > 0 && grid.IsCellFilled(i - 1, j);
    const bool d = i + 1 < rows && grid.IsCellFilled(i + 1, j);
    return {l && grid.IsSameBlock(i, j, i, j - 1), r && grid.IsSameBlock(i, j, i, j + 1),
            u && grid.IsSameBlock(i, j, i - 1, j), d && grid.IsSameBlock(i, j, i + 1, j)};
}

void DrawPiece(ImageSurface* sheet, const Rect& source, int x, int y) {
    DrawImagePart(sheet, &source, x, y);
}

void DrawCell(ImageSurface* sheet, const BlockGrid& grid, unsigned i, unsigned j, int x0, int y0) {
    const int colour = grid.GetCellColour(i, j);
    if (colour < 0 || colour >= kColourCount) {
        return;
    }
    const int c = kCellSize * colour;
    const Joins join = FindJoins(grid, i, j);
    DrawPiece(sheet, {0, c, kCellSize, c + kCellSize}, x0, y0);
    if (join.left) {
        DrawPiece(sheet, {kFillerStart, c, kFillerStart + kFillerSize, c + kCellSize},
                  x0 - kBridgeOffset, y0);
    }
    if (join.up) {
        DrawPiece(sheet, {0, c + kFillerStart, kCellSize, c + kFillerStart + kFillerSize}, x0,
                  y0 - kBridgeOffset);
    }
    const Rect topLeft{kLeftCornerX, c, kLeftCornerX + kCornerSize, c + kCornerSize};
    const Rect topRight{kRightCornerX, c, kRightCornerX + kCornerSize, c + kCornerSize};
    const Rect bottomLeft{kLeftCornerX, c + kBottomCornerY, kLeftCornerX + kCornerSize,
                          c + kBottomCornerY + kCornerSize};
    const Rect bottomRight{kRightCornerX, c + kBottomCornerY, kRightCornerX + kCornerSize,
                           c + kBottomCornerY + kCornerSize};
    if (!join.left && !join.up) {
        DrawPiece(sheet, topLeft, x0, y0);
    }
    if (!join.right && !join.up) {
        DrawPiece(sheet, topRight, x0 + kFarCornerOffset, y0);
    }
    if (!join.left && !join.down) {
        DrawPiece(sheet, bottomLeft, x0, y0 + kFarCornerOffset);
    }
    if (!join.right && !join.down) {
        DrawPiece(sheet, bottomRight, x0 + kFarCornerOffset, y0 + kFarCornerOffset);
    }
    if (join.left && join.up && grid.IsSameBlock(i, j, i - 1, j - 1)) {
        const Rect filler{kFillerStart, c + kFillerStart, kFillerStart + kFillerSize,
                          c + kFillerStart + kFillerSize};
        DrawImagePartKeyed(sheet, &filler, x0 - kBridgeOffset, y0 - kBridgeOffset);
    }
}

}  // namespace

void DrawGrid(const BlockGrid& grid, int x, int y) {
    // Looked up on every call (a short search, no decoding) rather than kept, so that a
    // display closed and opened again never leaves a stale picture behind.
    ImageSurface* sheet = LoadPngImageKeyed(kBlockSpriteSheetId, 0, 0);
    const unsigned rows = grid.GetRowCount();
    const unsigned columns = grid.GetColumnCount();
    for (unsigned i = 0; i < rows; ++i) {
        for (unsigned j = 0; j < columns; ++j) {
            if (grid.IsCellFilled(i, j)) {
                DrawCell(sheet, grid, i, j, x + kCellPitch * static_cast<int>(j),
                         y + kCellPitch * static_cast<int>(i));
            }
        }
    }
}

}  // namespace Drobix

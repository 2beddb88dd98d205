// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/game/DrawGrid.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "game/Block.h"
#include "game/BoardLayout.h"
#include "graphics/Display.h"
#include "graphics/ImageRegistry.h"
#include "graphics/ImageResources.h"
#include "resources/ResourceIds.h"
#include "storage/Preferences.h"

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
// The shape pattern sheet has one band of kCellSize rows per shape: an overlay for the face,
// black where it is transparent.
constexpr int kPatternShapes = 14;

struct Joins {
    bool left;
    bool right;
    bool up;
    bool down;
};

Rect FaceRect(int c) {
    return {0, c, kCellSize, c + kCellSize};
}

void DrawPiece(ImageSurface* sheet, const Rect& source, int x, int y,
               ImageSurface* dest = nullptr) {
    DrawImagePart(sheet, &source, x, y, dest);
}

// A cell as its joins make it: the face, the bridges over the gaps to joined neighbours on the
// left and above, and the corner pieces at each corner whose two sides both lack a joined
// neighbour, in the order that decides which overlapping piece shows.
void ComposeCell(ImageSurface* sheet, int c, Joins join, int x0, int y0, ImageSurface* dest) {
    DrawPiece(sheet, FaceRect(c), x0, y0, dest);
    if (join.left) {
        DrawPiece(sheet, {kFillerStart, c, kFillerStart + kFillerSize, c + kCellSize},
                  x0 - kBridgeOffset, y0, dest);
    }
    if (join.up) {
        DrawPiece(sheet, {0, c + kFillerStart, kCellSize, c + kFillerStart + kFillerSize}, x0,
                  y0 - kBridgeOffset, dest);
    }
    const Rect topLeft{kLeftCornerX, c, kLeftCornerX + kCornerSize, c + kCornerSize};
    const Rect topRight{kRightCornerX, c, kRightCornerX + kCornerSize, c + kCornerSize};
    const Rect bottomLeft{kLeftCornerX, c + kBottomCornerY, kLeftCornerX + kCornerSize,
                          c + kBottomCornerY + kCornerSize};
    const Rect bottomRight{kRightCornerX, c + kBottomCornerY, kRightCornerX + kCornerSize,
                           c + kBottomCornerY + kCornerSize};
    if (!join.left && !join.up) {
        DrawPiece(sheet, topLeft, x0, y0, dest);
    }
    if (!join.right && !join.up) {
        DrawPiece(sheet, topRight, x0 + kFarCornerOffset, y0, dest);
    }
    if (!join.left && !join.down) {
        DrawPiece(sheet, bottomLeft, x0, y0 + kFarCornerOffset, dest);
    }
    if (!join.right && !join.down) {
        DrawPiece(sheet, bottomRight, x0 + kFarCornerOffset, y0 + kFarCornerOffset, dest);
    }
}

// Every colour with every combination of joins, composed once from the sprite sheet into tiles
// that reach over the gaps on the left and above: a cell then takes one or two copies instead
// of up to seven. The tiles lie one below the other, so that each one's rows follow each other
// in memory, which makes the copies markedly faster. A blank picture, so that it is composed
// again whenever the surfaces are restored (after the sheet, which was loaded before it).
constexpr int kJoinCombinations = 16;
constexpr int kTileSize = kBridgeOffset + kCellSize;

// Where the cell itself (without the reach over the gaps) lies in the tiles picture.
int CellTileTop(int colour, int combination) {
    return kTileSize * (colour * kJoinCombinations + combination) + kBridgeOffset;
}
constexpr int kCellTileLeft = kBridgeOffset;

Joins JoinsOf(int combination) {
    return {(combination & 1) != 0, (combination & 2) != 0, (combination & 4) != 0,
            (combination & 8) != 0};
}

int CombinationOf(Joins join) {
    return (join.left ? 1 : 0) | (join.right ? 2 : 0) | (join.up ? 4 : 0) | (join.down ? 8 : 0);
}

struct CellTiles {
    ImageSurface* image = nullptr;
    int32_t serial = 0;
    int32_t sheetSerial = 0;
    // The registry's count of changes when both were last found live.
    uint64_t checkedAt = UINT64_MAX;
};

CellTiles cellTiles;

bool IsAlive(const ImageSurface* image, int32_t serial) {
    return image != nullptr && NextImageAfter(serial - 1) == image;
}

void ComposeTiles() {
    ImageSurface* sheet = LoadPngImageKeyed(ResourceId::kBlockSpriteSheet, 0, 0);
    for (int colour = 0; colour < kColourCount; ++colour) {
        for (int combination = 0; combination < kJoinCombinations; ++combination) {
            ComposeCell(sheet, kCellSize * colour, JoinsOf(combination), kCellTileLeft,
                        CellTileTop(colour, combination), cellTiles.image);
        }
    }
}

ImageSurface* CellTilesFor(const ImageSurface* sheet) {
    // Asked every frame: while no picture came or went, what was live is live still, and the
    // registry (cold in the cache by then) is not searched.
    if (cellTiles.checkedAt == RegistryChanges() && sheet->serial == cellTiles.sheetSerial) {
        return cellTiles.image;
    }
    if (IsAlive(cellTiles.image, cellTiles.serial) && IsAlive(sheet, cellTiles.sheetSerial)) {
        cellTiles.checkedAt = RegistryChanges();
        return cellTiles.image;
    }
    if (IsAlive(cellTiles.image, cellTiles.serial)) {
        DestroyImage(cellTiles.image);
    }
    cellTiles.image =
        CreateBlankImage(kTileSize, kTileSize * kColourCount * kJoinCombinations, ComposeTiles);
    cellTiles.serial = cellTiles.image->serial;
    cellTiles.sheetSerial = sheet->serial;
    ComposeTiles();
    cellTiles.checkedAt = RegistryChanges();
    return cellTiles.image;
}

// What drawing needs to know of each cell, asked of the grid once per drawing: whether it is
// filled, and whether it joins its neighbours on the right and below. The flags live in a
// buffer the caller keeps.
class CellLinks {
public:
    CellLinks(const BlockGrid& grid, std::vector<uint8_t>& flags)
        : rows_(grid.GetRowCount()), columns_(grid.GetColumnCount()), flags_(flags) {
        flags_.assign(static_cast<size_t>(rows_) * columns_, 0);
        for (unsigned i = 0; i < rows_; ++i) {
            for (unsigned j = 0; j < columns_; ++j) {
                flags_[Index(i, j)] = grid.IsCellFilled(i, j) ? kFilled : 0;
            }
        }
        for (unsigned i = 0; i < rows_; ++i) {
            for (unsigned j = 0; j < columns_; ++j) {
                if (!IsFilled(i, j)) {
                    continue;
                }
                if (j + 1 < columns_ && IsFilled(i, j + 1) && grid.IsSameBlock(i, j, i, j + 1)) {
                    flags_[Index(i, j)] |= kJoinsRight;
                }
                if (i + 1 < rows_ && IsFilled(i + 1, j) && grid.IsSameBlock(i, j, i + 1, j)) {
                    flags_[Index(i, j)] |= kJoinsDown;
                }
            }
        }
    }

    unsigned GetRowCount() const { return rows_; }
    unsigned GetColumnCount() const { return columns_; }
    bool IsFilled(unsigned i, unsigned j) const { return (flags_[Index(i, j)] & kFilled) != 0; }

    Joins JoinsOf(unsigned i, unsigned j) const {
        const uint8_t own = flags_[Index(i, j)];
        return {j > 0 && (flags_[Index(i, j - 1)] & kJoinsRight) != 0, (own & kJoinsRight) != 0,
                i > 0 && (flags_[Index(i - 1, j)] & kJoinsDown) != 0, (own & kJoinsDown) != 0};
    }

private:
    static constexpr uint8_t kFilled = 1;
    static constexpr uint8_t kJoinsRight = 2;
    static constexpr uint8_t kJoinsDown = 4;

    size_t Index(unsigned i, unsigned j) const { return static_cast<size_t>(i) * columns_ + j; }

    unsigned rows_;
    unsigned columns_;
    std::vector<uint8_t>& flags_;
};

struct Filler {
    int x;
    int y;
    int colour;
};

// The pieces of a drawing in the order that decides which overlapping piece shows. Each cell
// copies from its tile the bridge above (without the corner of the gap crossing, which only the
// filler may touch), then the face with the bridge on the left. The fillers, where four cells of
// one block meet, come last: no later piece reaches them.
struct GridPieces {
    std::vector<PartCopy> parts;
    std::vector<Filler> fillers;
    // Each cell's shape pattern, while the patterns are on.
    std::vector<PartCopy> patterns;
};

// A grid's pieces as last worked out, kept while the grid and the place it is drawn at stay the
// same: a menu draws the same logo and backdrop every frame, and asking a grid about its cells
// costs more than drawing them. The vectors keep their room, so that a frame allocates only
// when it draws a grid larger than any drawn in its slot before.
struct KeptGrid {
    const BlockGrid* grid = nullptr;
    uint64_t revision = 0;
    int x = 0;
    int y = 0;
    bool patterns = false;
    GridPieces pieces;
};

// More than any screen draws grids that count their changes (a menu draws two).
constexpr size_t kKeptGrids = 4;
constexpr size_t kLargestBlockCells = size_t{Block::kMaxSide} * Block::kMaxSide;

struct DrawingBuffers {
    std::vector<uint8_t> cellFlags;
    std::array<KeptGrid, kKeptGrids> kept;
    size_t nextSlot = 0;
    // For grids that do not count their changes.
    GridPieces scratch;
};

DrawingBuffers buffers;

// The shape's pattern over the cell's face, for a cell of one of the shapes.
void AddPattern(const BlockGrid& grid, unsigned i, unsigned j, int x0, int y0, GridPieces& pieces) {
    const int shape = grid.GetCellShape(i, j);
    if (shape < 0 || shape >= kPatternShapes) {
        return;
    }
    const int top = kCellSize * shape;
    pieces.patterns.push_back({{0, top, kCellSize, top + kCellSize}, x0, y0});
}

void AddCell(const BlockGrid& grid, const CellLinks& links, unsigned i, unsigned j, int x0, int y0,
             GridPieces& pieces) {
    const int colour = grid.GetCellColour(i, j);
    if (colour < 0 || colour >= kColourCount) {
        return;
    }
    const Joins join = links.JoinsOf(i, j);
    const int tileLeft = kCellTileLeft;
    const int tileTop = CellTileTop(colour, CombinationOf(join));
    if (join.up) {
        pieces.parts.push_back({{tileLeft, tileTop - kBridgeOffset, tileLeft + kCellSize, tileTop},
                                x0,
                                y0 - kBridgeOffset});
    }
    const int reach = join.left ? kBridgeOffset : 0;
    pieces.parts.push_back(
        {{tileLeft - reach, tileTop, tileLeft + kCellSize, tileTop + kCellSize}, x0 - reach, y0});
    if (join.left && join.up && grid.IsSameBlock(i, j, i - 1, j - 1)) {
        pieces.fillers.push_back({x0 - kBridgeOffset, y0 - kBridgeOffset, colour});
    }
}

void DrawFiller(ImageSurface* sheet, const Filler& filler) {
    const int c = kCellSize * filler.colour;
    const Rect source{kFillerStart, c + kFillerStart, kFillerStart + kFillerSize,
                      c + kFillerStart + kFillerSize};
    DrawImagePartKeyed(sheet, &source, filler.x, filler.y);
}

// The grid's pieces drawn at (x, y), in pieces with room for at least roomCells cells.
void WorkOutPieces(const BlockGrid& grid, int x, int y, bool patterns, GridPieces& pieces,
                   size_t roomCells) {
    const CellLinks links(grid, buffers.cellFlags);
    pieces.parts.clear();
    pieces.fillers.clear();
    pieces.patterns.clear();
    // At most a bridge and a face, and a filler, per cell.
    const size_t cells =
        std::max(static_cast<size_t>(links.GetRowCount()) * links.GetColumnCount(), roomCells);
    pieces.parts.reserve(2 * cells);
    pieces.fillers.reserve(cells);
    if (patterns) {
        pieces.patterns.reserve(cells);
    }
    for (unsigned i = 0; i < links.GetRowCount(); ++i) {
        for (unsigned j = 0; j < links.GetColumnCount(); ++j) {
            if (!links.IsFilled(i, j)) {
                continue;
            }
            const int x0 = x + kCellPitch * static_cast<int>(j);
            const int y0 = y + kCellPitch * static_cast<int>(i);
            AddCell(grid, links, i, j, x0, y0, pieces);
            if (patterns) {
                AddPattern(grid, i, j, x0, y0, pieces);
            }
        }
    }
}

const GridPieces& PiecesOf(const BlockGrid& grid, int x, int y, bool patterns) {
    const uint64_t revision = grid.GetRevision();
    if (revision == 0) {
        // Room for the largest block from the first, so that a larger block coming next
        // allocates nothing.
        WorkOutPieces(grid, x, y, patterns, buffers.scratch, kLargestBlockCells);
        return buffers.scratch;
    }
    for (const KeptGrid& kept : buffers.kept) {
        if (kept.grid == &grid && kept.revision == revision && kept.x == x && kept.y == y &&
            kept.patterns == patterns) {
            return kept.pieces;
        }
    }
    // The slot this grid had, or else the next in turn.
    auto slot = std::find_if(buffers.kept.begin(), buffers.kept.end(),
                             [&](const KeptGrid& kept) { return kept.grid == &grid; });
    if (slot == buffers.kept.end()) {
        slot = buffers.kept.begin() + static_cast<std::ptrdiff_t>(buffers.nextSlot);
        buffers.nextSlot = (buffers.nextSlot + 1) % kKeptGrids;
    }
    WorkOutPieces(grid, x, y, patterns, slot->pieces, 0);
    slot->grid = &grid;
    slot->revision = revision;
    slot->x = x;
    slot->y = y;
    slot->patterns = patterns;
    return slot->pieces;
}

}  // namespace

void DrawGrid(const BlockGrid& grid, int x, int y) {
    // Looked up on every call (a short search, no decoding) rather than kept, so that a
    // display closed and opened again never leaves a stale picture behind.
    ImageSurface* sheet = LoadPngImageKeyed(ResourceId::kBlockSpriteSheet, 0, 0);
    if (sheet == nullptr) {
        return;
    }
    ImageSurface* tiles = CellTilesFor(sheet);
    const bool patterns = GetPreferences().patterns;
    const GridPieces& pieces = PiecesOf(grid, x, y, patterns);
    DrawImageParts(tiles, pieces.parts);
    for (const Filler& filler : pieces.fillers) {
        DrawFiller(sheet, filler);
    }
    if (!patterns) {
        return;
    }
    // Looked up on every call, as the sprite sheet is.
    if (ImageSurface* overlay = LoadPngImageKeyed(ResourceId::kShapePatternSheet, 0, 0)) {
        DrawImagePartsKeyed(overlay, pieces.patterns);
    }
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "graphics/Display.h"
#include "graphics/ImageSurface.h"
#include "graphics/PixelBlit.h"
#include "graphics/Rect.h"

namespace Drobix {

// One draw on the back buffer: source of image scaled into target (a plain copy when the sizes
// agree), only inside clip.
// A batch of copies of one picture (the glyphs of a string, the pieces of a grid) is kept as one
// draw: its parts, kept by the record, are copied in turn, and target is the box around them.
struct DrawCommand {
    const ImageSurface* image = nullptr;
    Rect source;
    Rect target;
    Rect clip;
    ColourKey key;
    uint32_t firstPart = 0;
    uint32_t partCount = 0;
};

// The draws of a frame on the back buffer, kept until the frame is complete and then made only
// where the frame differs from the one before.
//
// Every draw writes, to each pixel it touches, a value that depends on its picture alone, so a
// pixel ends a frame with the value of the last draw that touched it, or else keeps the one it
// had. The same draws over a tile, in the same order, from unchanged pictures, therefore leave
// the pixels the tile holds already. Each tile keeps a hash of the draws over it; at the end of
// a frame, the draws are made in the tiles whose hash differs from the frame before, and
// nowhere else. The pixels come out exactly as if every draw had been made at once.
//
// It also keeps where the back buffer may have changed since the last frame was presented, so
// that the presenter compares only that with the frame before.
class FrameRecord {
public:
    static constexpr int kTileWidth = 16;
    static constexpr int kTileHeight = 8;
    static constexpr int kTileColumns = kScreenWidth / kTileWidth;
    static constexpr int kTileRows = kScreenHeight / kTileHeight;
    static_assert(kTileColumns * kTileWidth == kScreenWidth &&
                  kTileRows * kTileHeight == kScreenHeight);
    static_assert(kTileColumns <= 64, "a row of tiles is one 64-bit mask");

    // The back buffer is new or its content unknown: the next frame is drawn everywhere it
    // draws, and every row counts as changed.
    void Reset(PixelView backBuffer);

    // Keeps a draw for the end of the frame. Its picture must stay as it is until then, or
    // BeforePictureChanges be called first.
    void Record(const DrawCommand& command);
    // Keeps a batch of copies of the picture, each inside clip, as one draw: a frame's many
    // small copies cost the record once per batch rather than once per copy.
    void RecordParts(const ImageSurface* image, std::span<const PartCopy> parts, const Rect& clip,
                     const ColourKey& key);

    // The picture's pixels are about to change or the picture to go: the draws kept that use
    // it are made now.
    void BeforePictureChanges(const ImageSurface* picture);

    // Ends the frame: its draws are made where it differs from the frame before, and the back
    // buffer holds the whole frame.
    void Complete();

    // The columns [left, right) of row y that may differ from the frame last presented (none
    // when left == right; whole tiles), and forgetting them all once that frame has been
    // presented.
    Rect ChangedPart(int y) const;
    void ClearChanges();

private:
    // One mask per row of tiles, bit c for tile column c.
    using Tiles = std::array<uint64_t, kTileRows>;
    using TileHashes = std::array<uint64_t, static_cast<size_t>(kTileRows) * kTileColumns>;

    // Makes every draw kept, in every tile it touches, which must then be drawn again at the
    // end of the frame whatever their hash says.
    void DrawKeptEverywhere();
    void Keep(const DrawCommand& command, const Rect& area, uint64_t hash);
    void KeepBatch(const DrawCommand& command, const Rect& area, uint64_t hash);
    // Clears this frame's hashes at its first draw; true when that draw covers the whole
    // screen, whose hash is then folded into every tile already.
    bool ClearHashes(const Rect& area, uint64_t hash);
    void KeepCommand(const DrawCommand& command);
    void DrawInside(const DrawCommand& command, const Rect& clip);
    // A kept draw that writes every pixel of its area, by its place among the kept draws.
    struct Cover {
        size_t index;
        Rect area;
    };
    // Draws the command inside part, except where one of the covers drawn after it lies.
    void DrawUncovered(const DrawCommand& command, const Rect& part,
                       std::span<const Cover> laterCovers);

    PixelView backBuffer_;
    std::vector<DrawCommand> kept_;
    std::vector<PartCopy> keptParts_;
    // The kept draws that cover their areas, in order (made again at each frame's end).
    std::vector<Cover> covers_;
    // The pictures the kept draws use, each once.
    std::vector<const ImageSurface*> keptPictures_;
    // This frame's hashes and the last one's, swapped at the end of each frame.
    TileHashes hashStore_[2]{};
    TileHashes* hashes_ = &hashStore_[0];
    TileHashes* hashesBefore_ = &hashStore_[1];
    // False from the end of a frame until the next frame's hashes are cleared, which its first
    // draw does.
    bool hashesCleared_ = true;
    // Tiles drawn on this frame before its end, or whose content is unknown.
    Tiles forced_{};
    // The tiles changed since the last present.
    Tiles changedTiles_{};
    // The tiles the parts of the batch being kept land on; all clear between batches.
    Tiles batchTiles_{};
};

}  // namespace Drobix

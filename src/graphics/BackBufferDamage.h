#pragma once

#include <array>
#include <cstdint>

#include "graphics/Display.h"
#include "graphics/ImageSurface.h"
#include "graphics/PixelBlit.h"
#include "graphics/Rect.h"

namespace Drobix {

// What the back buffer holds, in tiles, so that a full-screen background copied every frame
// costs only the places drawn over since the copy before.
//
// After a background picture has been copied over the whole back buffer, the tiles drawn on are
// remembered. The next copy of the same, unchanged picture copies nothing at once: the tiles
// drawn on become pending, and a pending tile gets its background back just before anything
// is drawn on it (with the run of pending tiles it lies in, but for those the last frame
// covered opaquely), or when the frame is completed; a tile that an opaque draw covers entirely
// needs no restore at all. A frame that drew on most of the screen gets a whole copy instead.
// The pixels come out exactly as if every copy had been made.
//
// It also keeps where the back buffer may have changed since the last frame was presented, so
// that the presenter compares only that with the frame before.
class BackBufferDamage {
public:
    static constexpr int kTileWidth = 16;
    static constexpr int kTileHeight = 8;
    static constexpr int kTileColumns = kScreenWidth / kTileWidth;
    static constexpr int kTileRows = kScreenHeight / kTileHeight;
    static_assert(kTileColumns * kTileWidth == kScreenWidth &&
                  kTileRows * kTileHeight == kScreenHeight);
    static_assert(kTileColumns <= 64, "a row of tiles is one 64-bit mask");

    // The back buffer is new or its content unknown: no background is known, every row counts
    // as changed.
    void Reset(PixelView backBuffer);

    // Copies the picture (kScreenWidth x kScreenHeight, opaque) over the whole back buffer, or,
    // when that picture is the background already and unchanged, arranges for the same result.
    void CopyBackground(const ImageSurface& picture);

    // Called before area (inside the back buffer, not empty) is drawn on. Opaque means that
    // every pixel of the area will be written.
    void BeforeDraw(const Rect& area, bool opaque);

    // The picture's pixels are about to change or the picture to go: when it is the
    // background, its pending tiles are restored first and it is forgotten.
    void BeforePictureChanges(const ImageSurface* picture);

    // Makes every pending restore, so that the back buffer holds the whole frame.
    void Complete();

    // The columns [left, right) of row y that may differ from the frame last presented (none
    // when left == right; whole tiles), and forgetting them all once that frame has been
    // presented.
    Rect ChangedPart(int y) const;
    void ClearChanges();

private:
    // One mask per row of tiles, bit c for tile column c.
    using Tiles = std::array<uint64_t, kTileRows>;

    // Past this many tiles drawn on, one copy of the whole background is cheaper than
    // restoring them piece by piece.
    static constexpr int kMostTiles = kTileColumns * kTileRows * 3 / 4;

    int DrawnTiles() const;
    // Restores the pending tiles of tile row `row` that `columns` selects, one copy per run of
    // neighbouring tiles.
    void Restore(int row, uint64_t columns);

    PixelView backBuffer_;
    const ImageSurface* background_ = nullptr;
    int32_t backgroundSerial_ = 0;
    Tiles drawn_{};
    Tiles pending_{};
    // Tiles an opaque draw covered whole since the background was copied, and in the frame
    // before: where this frame will most likely cover them again.
    Tiles covered_{};
    Tiles coveredBefore_{};
    // The tiles changed since the last present.
    Tiles changedTiles_{};
};

}  // namespace Drobix

#include "graphics/BackBufferDamage.h"

#include <bit>

namespace Drobix {

namespace {

constexpr Rect kWholeScreen{0, 0, kScreenWidth, kScreenHeight};

// Bits first to last (inclusive) of a word set; none when last < first.
constexpr uint64_t BitRange(int first, int last) {
    if (last < first) {
        return 0;
    }
    const int count = last - first + 1;
    const uint64_t ones = count >= 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
    return ones << first;
}

// The runs of neighbouring pending tiles that reach into columns: restored whole, as a few long
// copies cost far less than many short ones; a pending tile may be restored at any time before
// it is drawn on.
uint64_t PendingRunsThrough(uint64_t pending, uint64_t columns) {
    uint64_t runs = pending & columns;
    while (true) {
        const uint64_t grown = runs | ((runs << 1) & pending) | ((runs >> 1) & pending);
        if (grown == runs) {
            return runs;
        }
        runs = grown;
    }
}

}  // namespace

void BackBufferDamage::Reset(PixelView backBuffer) {
    backBuffer_ = backBuffer;
    background_ = nullptr;
    drawn_.fill(0);
    pending_.fill(0);
    covered_.fill(0);
    coveredBefore_.fill(0);
    changedTiles_.fill(~uint64_t{0});
}

void BackBufferDamage::CopyBackground(const ImageSurface& picture) {
    // A new frame, most likely: what it covers, the last one did.
    coveredBefore_ = covered_;
    covered_.fill(0);
    if (background_ == &picture && backgroundSerial_ == picture.serial &&
        DrawnTiles() <= kMostTiles) {
        for (int row = 0; row < kTileRows; ++row) {
            pending_[row] |= drawn_[row];
        }
        drawn_.fill(0);
        return;
    }
    const ConstPixelView from{picture.surface.data(), picture.width, picture.height};
    CopyPixels(from, kWholeScreen, backBuffer_, 0, 0, kWholeScreen, {});
    background_ = &picture;
    backgroundSerial_ = picture.serial;
    drawn_.fill(0);
    pending_.fill(0);
    changedTiles_.fill(~uint64_t{0});
}

void BackBufferDamage::BeforeDraw(const Rect& area, bool opaque) {
    const uint64_t touched = BitRange(area.left / kTileWidth, (area.right - 1) / kTileWidth);
    const int firstRow = area.top / kTileHeight;
    const int lastRow = (area.bottom - 1) / kTileHeight;
    for (int row = firstRow; row <= lastRow; ++row) {
        changedTiles_[row] |= touched;
    }
    if (background_ == nullptr) {
        return;
    }
    // Tiles the area covers whole, column-wise and row-wise.
    const uint64_t coveredColumns =
        opaque ? BitRange((area.left + kTileWidth - 1) / kTileWidth, area.right / kTileWidth - 1)
               : 0;
    for (int row = firstRow; row <= lastRow; ++row) {
        const bool rowCovered =
            row * kTileHeight >= area.top && (row + 1) * kTileHeight <= area.bottom;
        if (rowCovered) {
            pending_[row] &= ~coveredColumns;
            covered_[row] |= coveredColumns;
        }
        // The touched tiles, and the runs of pending tiles through them, except those that an
        // opaque draw covered last time and is likely to cover again before they are needed.
        Restore(row, (pending_[row] & touched) |
                         PendingRunsThrough(pending_[row] & ~coveredBefore_[row], touched));
        drawn_[row] |= touched;
    }
}

void BackBufferDamage::BeforePictureChanges(const ImageSurface* picture) {
    if (picture != nullptr && picture == background_) {
        Complete();
        background_ = nullptr;
    }
}

void BackBufferDamage::Complete() {
    if (background_ == nullptr) {
        return;
    }
    for (int row = 0; row < kTileRows; ++row) {
        Restore(row, ~uint64_t{0});
    }
}

int BackBufferDamage::DrawnTiles() const {
    int count = 0;
    for (const uint64_t row : drawn_) {
        count += std::popcount(row);
    }
    return count;
}

Rect BackBufferDamage::ChangedPart(int y) const {
    const uint64_t columns = changedTiles_[static_cast<std::size_t>(y / kTileHeight)];
    if (columns == 0) {
        return {0, y, 0, y + 1};
    }
    return {std::countr_zero(columns) * kTileWidth, y,
            (64 - std::countl_zero(columns)) * kTileWidth, y + 1};
}

void BackBufferDamage::ClearChanges() {
    changedTiles_.fill(0);
}

void BackBufferDamage::Restore(int row, uint64_t columns) {
    uint64_t restore = pending_[row] & columns;
    if (restore == 0) {
        return;
    }
    pending_[row] &= ~restore;
    const ConstPixelView from{background_->surface.data(), background_->width, background_->height};
    while (restore != 0) {
        const int first = std::countr_zero(restore);
        const int length = std::countr_one(restore >> first);
        restore &= ~BitRange(first, first + length - 1);
        const Rect run{first * kTileWidth, row * kTileHeight, (first + length) * kTileWidth,
                       (row + 1) * kTileHeight};
        CopyPixels(from, run, backBuffer_, run.left, run.top, run, {});
        changedTiles_[row] |= BitRange(first, first + length - 1);
    }
}

}  // namespace Drobix

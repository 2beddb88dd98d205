// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/FrameRecord.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <utility>

namespace Drobix {

namespace {

constexpr Rect kWholeScreen{0, 0, kScreenWidth, kScreenHeight};
constexpr size_t kKeptDraws = 2048;
constexpr size_t kKeptParts = 4096;
constexpr size_t kKeptPictures = 64;
// A batch whose box spans more rows of tiles than this is kept by the tiles its parts land on.
constexpr int kBoxedBatchTileRows = 3;
constexpr uint64_t kAllColumns = (uint64_t{1} << FrameRecord::kTileColumns) - 1;
// Folding a draw into a tile's hash multiplies by this, so that the order of draws counts. It
// is odd, so the fold loses nothing, and has three bits set, so that the product is two shifts
// and two additions; the draws' hashes are what is well mixed.
constexpr uint64_t kFoldFactor = (uint64_t{1} << 12) + (uint64_t{1} << 5) + 1;

// Folds a draw's hash into count neighbouring tiles' hashes.
void FoldInto(uint64_t* tiles, int count, uint64_t hash) {
    for (int i = 0; i < count; ++i) {
        tiles[i] = (tiles[i] + hash) * kFoldFactor;
    }
}

// Bits first to last (inclusive) of a word set; none when last < first.
constexpr uint64_t BitRange(int first, int last) {
    if (last < first) {
        return 0;
    }
    const int count = last - first + 1;
    const uint64_t ones = count >= 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
    return ones << first;
}

// A 64-bit finaliser: every bit of the input moves about half the bits of the output.
constexpr uint64_t Mix(uint64_t value) {
    value ^= value >> 30;
    value *= 0xBF58476D1CE4E5B9;
    value ^= value >> 27;
    value *= 0x94D049BB133111EB;
    return value ^ (value >> 31);
}

constexpr uint64_t Pack(int a, int b) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
}

// Odd factors, one per word of a draw: a change in any one word changes the sum. The products
// are independent, so the processor makes them side by side.
constexpr uint64_t kWordFactors[] = {
    0x9E3779B97F4A7C15, 0xC2B2AE3D27D4EB4F, 0x165667B19E3779F9, 0xD6E8FEB86659FD93,
    0xFF51AFD7ED558CCD, 0xC4CEB9FE1A85EC53, 0x2545F4914F6CDD1D, 0xA0761D6478BD642F,
};

// Everything that decides what a draw writes: the picture (its serial never comes back, its
// version counts its changes) and the rectangles and key.
uint64_t HashOf(const DrawCommand& command) {
    const uint64_t words[] = {
        Pack(command.image->serial, static_cast<int>(command.image->Version())),
        Pack(command.source.left, command.source.top),
        Pack(command.source.right, command.source.bottom),
        Pack(command.target.left, command.target.top),
        Pack(command.target.right, command.target.bottom),
        Pack(command.clip.left, command.clip.top),
        Pack(command.clip.right, command.clip.bottom),
        (command.key.enabled ? uint64_t{1} << 32 : 0) | (uint64_t{command.key.low} << 16) |
            command.key.high,
    };
    static_assert(std::size(words) == std::size(kWordFactors));
    uint64_t sum = 0;
    for (size_t i = 0; i < std::size(words); ++i) {
        sum += words[i] * kWordFactors[i];
    }
    return Mix(sum);
}

// A batch's parts in order, each where it lands: order counts where parts overlap.
uint64_t HashOfParts(std::span<const PartCopy> parts) {
    uint64_t sum = 0;
    for (const PartCopy& part : parts) {
        sum = sum * kWordFactors[0] + Pack(part.source.left, part.source.top) * kWordFactors[1] +
              Pack(part.source.right, part.source.bottom) * kWordFactors[2] +
              Pack(part.x, part.y) * kWordFactors[3];
    }
    return sum;
}

ConstPixelView SourceOf(const DrawCommand& command) {
    return {command.image->Pixels().data(), command.image->width, command.image->height};
}

Rect AreaOf(const DrawCommand& command) {
    return Intersect(Intersect(command.target, command.clip), kWholeScreen);
}

// The tiles an area (inside the screen, not empty) lies on.
struct TileSpan {
    int firstRow;
    int lastRow;
    int firstColumn;
    int lastColumn;
    uint64_t columns;
};

TileSpan TilesOf(const Rect& area) {
    const int firstColumn = area.left / FrameRecord::kTileWidth;
    const int lastColumn = (area.right - 1) / FrameRecord::kTileWidth;
    return {area.top / FrameRecord::kTileHeight, (area.bottom - 1) / FrameRecord::kTileHeight,
            firstColumn, lastColumn, BitRange(firstColumn, lastColumn)};
}

// Calls visit(rect) for each run of set bits of a tile row mask, over tile rows
// [firstRow, lastRow].
template <typename Visit>
void ForEachRun(uint64_t columns, int firstRow, int lastRow, Visit visit) {
    while (columns != 0) {
        const int first = std::countr_zero(columns);
        const int count = std::countr_one(columns >> first);
        visit(Rect{first * FrameRecord::kTileWidth, firstRow * FrameRecord::kTileHeight,
                   (first + count) * FrameRecord::kTileWidth,
                   (lastRow + 1) * FrameRecord::kTileHeight});
        columns &= ~BitRange(first, first + count - 1);
    }
}

// What is left of a rectangle to draw once the opaque draws made over it later are taken out.
// Where more pieces than this would be needed the rest is drawn whole: drawing more than needed
// never changes the frame.
class Uncovered {
public:
    explicit Uncovered(const Rect& whole) : pieces_{whole}, count_(1) {}

    // Takes cover out of every piece; false, leaving the pieces as they were, when the pieces
    // would be too many.
    bool TakeOut(const Rect& cover) {
        Uncovered rest;
        for (const Rect& piece : Pieces()) {
            const Rect overlap = Intersect(piece, cover);
            if (overlap.IsEmpty()) {
                if (!rest.Add(piece)) {
                    return false;
                }
                continue;
            }
            const Rect bands[] = {
                {piece.left, piece.top, piece.right, overlap.top},
                {piece.left, overlap.bottom, piece.right, piece.bottom},
                {piece.left, overlap.top, overlap.left, overlap.bottom},
                {overlap.right, overlap.top, piece.right, overlap.bottom},
            };
            for (const Rect& band : bands) {
                if (!band.IsEmpty() && !rest.Add(band)) {
                    return false;
                }
            }
        }
        *this = rest;
        return true;
    }

    std::span<const Rect> Pieces() const { return {pieces_.data(), count_}; }

private:
    static constexpr size_t kMaxPieces = 8;

    Uncovered() = default;
    bool Add(const Rect& piece) {
        if (count_ == kMaxPieces) {
            return false;
        }
        pieces_[count_++] = piece;
        return true;
    }

    std::array<Rect, kMaxPieces> pieces_{};
    size_t count_ = 0;
};

// Whether a draw writes every pixel of its area, whatever was there: one copy or stretch
// without a colour key (a batch may leave gaps between its parts).
bool CoversItsArea(const DrawCommand& command) {
    return command.partCount == 0 && !command.key.enabled;
}

Rect Union(const Rect& a, const Rect& b) {
    if (a.IsEmpty()) {
        return b;
    }
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

void FrameRecord::DrawInside(const DrawCommand& command, const Rect& clip) {
    if (command.partCount == 0) {
        StretchPixels(SourceOf(command), command.source, backBuffer_, command.target, clip,
                      command.key);
        return;
    }
    const ConstPixelView from = SourceOf(command);
    const std::span<const PartCopy> parts(keptParts_.data() + command.firstPart, command.partCount);
    for (const PartCopy& part : parts) {
        CopyPixels(from, part.source, backBuffer_, part.x, part.y, clip, command.key);
    }
}

// Every pixel a later cover writes ends the frame with that cover's value (the cover is
// drawn in every redrawn tile it lies on), so nothing under it need be drawn first.
void FrameRecord::DrawUncovered(const DrawCommand& command, const Rect& part,
                                std::span<const Cover> laterCovers) {
    Uncovered uncovered(part);
    for (const Cover& cover : laterCovers) {
        // Most covers lie elsewhere: those are passed over at the cost of one comparison.
        if (Intersect(cover.area, part).IsEmpty()) {
            continue;
        }
        if (!uncovered.TakeOut(cover.area) || uncovered.Pieces().empty()) {
            break;
        }
    }
    for (const Rect& piece : uncovered.Pieces()) {
        DrawInside(command, piece);
    }
}

void FrameRecord::Reset(PixelView backBuffer) {
    backBuffer_ = backBuffer;
    kept_.clear();
    keptParts_.clear();
    keptPictures_.clear();
    // Room for the busiest frames (a few hundred draws), so that frames do not allocate.
    kept_.reserve(kKeptDraws);
    keptParts_.reserve(kKeptParts);
    keptPictures_.reserve(kKeptPictures);
    covers_.reserve(kKeptDraws);
    hashes_->fill(0);
    hashesBefore_->fill(0);
    hashesCleared_ = true;
    forced_.fill(kAllColumns);
    changedTiles_.fill(kAllColumns);
}

void FrameRecord::Record(const DrawCommand& command) {
    if (backBuffer_.pixels == nullptr || command.image == nullptr || command.target.IsEmpty() ||
        !SourceInside(SourceOf(command), command.source)) {
        return;
    }
    const Rect area = AreaOf(command);
    if (area.IsEmpty()) {
        return;
    }
    Keep(command, area, HashOf(command));
}

void FrameRecord::RecordParts(const ImageSurface* image, std::span<const PartCopy> parts,
                              const Rect& clip, const ColourKey& key) {
    if (backBuffer_.pixels == nullptr || image == nullptr) {
        return;
    }
    const ConstPixelView from{image->Pixels().data(), image->width, image->height};
    const Rect visible = Intersect(clip, kWholeScreen);
    const auto first = static_cast<uint32_t>(keptParts_.size());
    Rect box{};
    for (const PartCopy& part : parts) {
        // As Record drops a copy that shows nothing or reads outside the picture.
        const Rect placed = PlacedAt(part.source, part.x, part.y);
        if (placed.IsEmpty() || Intersect(placed, visible).IsEmpty() ||
            !SourceInside(from, part.source)) {
            continue;
        }
        keptParts_.push_back(part);
        box = Union(box, placed);
    }
    if (box.IsEmpty()) {
        return;
    }
    DrawCommand command{
        image, {}, box, clip, key, first, static_cast<uint32_t>(keptParts_.size()) - first};
    const uint64_t hash =
        Mix(HashOf(command) + HashOfParts({keptParts_.data() + first, command.partCount}));
    const Rect area = AreaOf(command);
    const TileSpan tiles = TilesOf(area);
    // A line of text fills its box; a grid's pieces, or paragraphs, may lie far apart in theirs.
    if (tiles.lastRow - tiles.firstRow < kBoxedBatchTileRows) {
        Keep(command, area, hash);
        return;
    }
    for (const PartCopy& part : std::span(keptParts_).subspan(first)) {
        const TileSpan partTiles = TilesOf(Intersect(PlacedAt(part.source, part.x, part.y), area));
        for (int row = partTiles.firstRow; row <= partTiles.lastRow; ++row) {
            batchTiles_[static_cast<size_t>(row)] |= partTiles.columns;
        }
    }
    KeepBatch(command, area, hash);
}

// A batch writes only where its parts land: its hash goes into those tiles alone (batchTiles_,
// cleared again here), so that a grid with pieces far apart does not mark every tile between
// them, and a piece that moves redraws where it was and where it is, not the whole box.
void FrameRecord::KeepBatch(const DrawCommand& command, const Rect& area, uint64_t hash) {
    const TileSpan tiles = TilesOf(area);
    if (!ClearHashes(area, hash)) {
        for (int row = tiles.firstRow; row <= tiles.lastRow; ++row) {
            uint64_t columns = batchTiles_[static_cast<size_t>(row)];
            while (columns != 0) {
                const int firstColumn = std::countr_zero(columns);
                const int count = std::countr_one(columns >> firstColumn);
                FoldInto(&(*hashes_)[static_cast<size_t>(row) * kTileColumns + firstColumn], count,
                         hash);
                columns &= ~BitRange(firstColumn, firstColumn + count - 1);
            }
        }
    }
    for (int row = tiles.firstRow; row <= tiles.lastRow; ++row) {
        batchTiles_[static_cast<size_t>(row)] = 0;
    }
    KeepCommand(command);
}

bool FrameRecord::ClearHashes(const Rect& area, uint64_t hash) {
    if (hashesCleared_) {
        return false;
    }
    // A frame's first draw is mostly its background over the whole screen: its fold into
    // cleared tiles is the same in every tile, written in one pass with the clearing.
    const bool wholeScreen = area == kWholeScreen;
    hashes_->fill(wholeScreen ? hash * kFoldFactor : 0);
    hashesCleared_ = true;
    return wholeScreen;
}

void FrameRecord::Keep(const DrawCommand& command, const Rect& area, uint64_t hash) {
    if (ClearHashes(area, hash)) {
        KeepCommand(command);
        return;
    }
    const TileSpan tiles = TilesOf(area);
    const int columns = tiles.lastColumn - tiles.firstColumn + 1;
    for (int row = tiles.firstRow; row <= tiles.lastRow; ++row) {
        FoldInto(&(*hashes_)[static_cast<size_t>(row) * kTileColumns + tiles.firstColumn], columns,
                 hash);
    }
    KeepCommand(command);
}

void FrameRecord::KeepCommand(const DrawCommand& command) {
    if (std::find(keptPictures_.begin(), keptPictures_.end(), command.image) ==
        keptPictures_.end()) {
        keptPictures_.push_back(command.image);
    }
    kept_.push_back(command);
}

void FrameRecord::BeforePictureChanges(const ImageSurface* picture) {
    if (picture != nullptr &&
        std::find(keptPictures_.begin(), keptPictures_.end(), picture) != keptPictures_.end()) {
        DrawKeptEverywhere();
    }
}

void FrameRecord::DrawKeptEverywhere() {
    for (const DrawCommand& command : kept_) {
        const Rect area = AreaOf(command);
        DrawInside(command, area);
        const TileSpan tiles = TilesOf(area);
        for (int row = tiles.firstRow; row <= tiles.lastRow; ++row) {
            forced_[static_cast<size_t>(row)] |= tiles.columns;
        }
    }
    kept_.clear();
    keptParts_.clear();
    keptPictures_.clear();
}

void FrameRecord::Complete() {
    if (!hashesCleared_) {
        hashes_->fill(0);
    }
    Tiles redraw = forced_;
    for (int row = 0; row < kTileRows; ++row) {
        const uint64_t* now = &(*hashes_)[static_cast<size_t>(row) * kTileColumns];
        const uint64_t* before = &(*hashesBefore_)[static_cast<size_t>(row) * kTileColumns];
        // Most rows are as they were: one pass finds that, the tiles are looked at only if not.
        uint64_t anyDifference = 0;
        for (int column = 0; column < kTileColumns; ++column) {
            anyDifference |= now[column] ^ before[column];
        }
        if (anyDifference == 0) {
            continue;
        }
        uint64_t differing = 0;
        for (int column = 0; column < kTileColumns; ++column) {
            differing |= static_cast<uint64_t>(now[column] != before[column]) << column;
        }
        redraw[static_cast<size_t>(row)] |= differing;
    }
    covers_.clear();
    for (size_t index = 0; index < kept_.size(); ++index) {
        if (CoversItsArea(kept_[index])) {
            covers_.push_back({index, AreaOf(kept_[index])});
        }
    }
    auto laterCovers = covers_.begin();
    for (size_t index = 0; index < kept_.size(); ++index) {
        const DrawCommand& command = kept_[index];
        while (laterCovers != covers_.end() && laterCovers->index <= index) {
            ++laterCovers;
        }
        const Rect area = AreaOf(command);
        const TileSpan tiles = TilesOf(area);
        // Neighbouring tile rows that need the same columns are drawn together.
        int row = tiles.firstRow;
        while (row <= tiles.lastRow) {
            const uint64_t columns = redraw[static_cast<size_t>(row)] & tiles.columns;
            int last = row;
            while (last < tiles.lastRow &&
                   (redraw[static_cast<size_t>(last) + 1] & tiles.columns) == columns) {
                ++last;
            }
            ForEachRun(columns, row, last, [&](const Rect& run) {
                // A batch goes through all its parts for each piece: it is drawn whole.
                if (command.partCount == 0) {
                    // A subspan, not a span of two iterators: emscripten's C++ library has
                    // no such constructor.
                    DrawUncovered(command, Intersect(area, run),
                                  std::span<const Cover>(covers_).subspan(
                                      static_cast<size_t>(laterCovers - covers_.begin())));
                } else {
                    DrawInside(command, Intersect(area, run));
                }
            });
            row = last + 1;
        }
    }
    for (int row = 0; row < kTileRows; ++row) {
        changedTiles_[static_cast<size_t>(row)] |= redraw[static_cast<size_t>(row)];
    }
    std::swap(hashes_, hashesBefore_);
    hashesCleared_ = false;
    forced_.fill(0);
    kept_.clear();
    keptParts_.clear();
    keptPictures_.clear();
}

Rect FrameRecord::ChangedPart(int y) const {
    const uint64_t columns = changedTiles_[static_cast<size_t>(y / kTileHeight)];
    if (columns == 0) {
        return {0, y, 0, y + 1};
    }
    return {std::countr_zero(columns) * kTileWidth, y,
            (64 - std::countl_zero(columns)) * kTileWidth, y + 1};
}

void FrameRecord::ClearChanges() {
    changedTiles_.fill(0);
}

}  // namespace Drobix

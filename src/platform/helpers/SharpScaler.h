// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace Drobix::Platform {

// Scales a picture of 32-bit 0xAARRGGBB pixels "sharp bilinear": as if it were first enlarged by
// the largest whole factor with every pixel a square block, then smoothly (bilinearly) to the
// final size. Edges stay sharp, and a 1-pixel stroke comes out equally wide wherever it lies
// instead of as 1 or 2 pixels by turns; at a whole factor every pixel is copied exactly.
class SharpScaler {
public:
    // A target pixel's two source neighbours along one axis and the weight of the second, of
    // kWeightOne; a weight of 0 copies the first.
    struct Taps {
        int first = 0;
        int second = 0;
        uint32_t weight = 0;
    };
    static constexpr uint32_t kWeightOne = 256;

    void Prepare(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight);
    int GetTargetWidth() const { return static_cast<int>(columns_.size()); }
    int GetTargetHeight() const { return static_cast<int>(rows_.size()); }
    const Taps& RowTaps(int targetY) const { return rows_[static_cast<size_t>(targetY)]; }
    const Taps& ColumnTaps(int targetX) const { return columns_[static_cast<size_t>(targetX)]; }

    // The target columns [first, last) that draw on any of the source columns
    // [sourceLeft, sourceRight).
    std::pair<int, int> TargetColumns(int sourceLeft, int sourceRight) const;
    // The same for rows: the target rows [first, last) whose taps reach into the source rows
    // [sourceTop, sourceBottom).
    std::pair<int, int> TargetRows(int sourceTop, int sourceBottom) const;
    // The source columns [left, right) that the target columns [first, last) read (none when
    // those are none).
    std::pair<int, int> SourceColumns(int first, int last) const;
    // One source row (the source width) to the columns [first, last) of a target row.
    void ScaleRow(const uint32_t* source, uint32_t* target, int first, int last) const;
    // target = first blended towards second by weight, per channel, over width pixels.
    static void BlendRows(const uint32_t* first, const uint32_t* second, uint32_t weight,
                          uint32_t* target, int width);

private:
    std::vector<Taps> columns_;
    std::vector<Taps> rows_;
    // The columns' taps again, as the vectorised scaling up reads them: each first tap, and
    // each weight in both halves of a word.
    std::vector<int32_t> columnFirsts_;
    std::vector<uint32_t> columnWeightPairs_;
    int sourceWidth_ = 0;
};

}  // namespace Drobix::Platform

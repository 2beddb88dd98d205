// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace Drobix::Platform {

// Widens or narrows rows of 32-bit pixels by nearest neighbour: target pixel x takes source
// pixel x * sourceWidth / targetWidth. Prepared once per pair of widths; where eight target
// pixels draw on eight neighbouring source pixels, as whenever a row is widened, they are
// picked with one vector permute instead of one load each.
class RowScaler {
public:
    void Prepare(int sourceWidth, int targetWidth);
    int GetSourceWidth() const { return sourceWidth_; }
    int GetTargetWidth() const { return static_cast<int>(sourceColumn_.size()); }
    // source holds GetSourceWidth() pixels, target GetTargetWidth().
    void Scale(const uint32_t* source, uint32_t* target) const;

private:
    static constexpr int kBlock = 8;

    int sourceWidth_ = 0;
    std::vector<int> sourceColumn_;
    // Per block of eight target pixels: each one's source column less the block's first.
    std::vector<int32_t> blockOffsets_;
    // The blocks from the first up to this one can be permuted.
    int permutedBlocks_ = 0;
};

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Drobix {

// The shapes new blocks are drawn from; each set is a prefix of the shape list. The values are
// those of the data file.
enum class BlockSet : int32_t {
    Standard = 0,           // 7 shapes
    StandardPlusExtra = 1,  // 9 shapes
    Crazy = 2,              // all 14 shapes
};

// Whether a new block takes its shape's own colour or a random one. The values are those of the
// data file.
enum class BlockColourMode : int32_t {
    Fixed = 0,
    Random = 1,
};

// The options that decide what the factory makes; the caller reads them from the settings.
struct BlockOptions {
    BlockSet set = BlockSet::Standard;
    BlockColourMode colours = BlockColourMode::Fixed;
};

}  // namespace Drobix

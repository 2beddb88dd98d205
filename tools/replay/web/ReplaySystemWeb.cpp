// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <malloc.h>

#include "ReplaySystem.h"

namespace Drobix::Replay {

// WebAssembly's memory only grows: no resident figures beside it, the heap from the allocator.
MemoryFigures ReadMemoryFigures() {
    const struct mallinfo info = ::mallinfo();
    return {0, 0, static_cast<size_t>(info.uordblks)};
}

// Standard output reaches node's as bytes.
void UseBinaryStandardOutput() {}

}  // namespace Drobix::Replay

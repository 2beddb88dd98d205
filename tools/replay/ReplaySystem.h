// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What drobix-replay asks of the operating system, one file per system:
// posix/ReplaySystemPosix.cpp, windows/ReplaySystemWindows.cpp.

#include <cstddef>

namespace Drobix::Replay {

struct MemoryFigures {
    // Resident memory now and at its peak.
    long residentKb = 0;
    long peakKb = 0;
    // The heap in use.
    size_t heapBytes = 0;
};

MemoryFigures ReadMemoryFigures();

// Standard output takes the bytes as they are written, so the output is the same everywhere
// (Windows would otherwise write every line ending as CR LF).
void UseBinaryStandardOutput();

}  // namespace Drobix::Replay

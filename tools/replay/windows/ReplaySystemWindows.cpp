// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>

#include "ReplaySystem.h"

namespace Drobix::Replay {

namespace {

constexpr size_t kBytesPerKilobyte = 1024;

}  // namespace

// The working set stands for the resident memory; the process's private memory for the heap.
MemoryFigures ReadMemoryFigures() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (K32GetProcessMemoryInfo(GetCurrentProcess(),
                                reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                sizeof(counters)) == 0) {
        return {};
    }
    return {static_cast<long>(counters.WorkingSetSize / kBytesPerKilobyte),
            static_cast<long>(counters.PeakWorkingSetSize / kBytesPerKilobyte),
            counters.PrivateUsage};
}

void UseBinaryStandardOutput() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace Drobix::Replay

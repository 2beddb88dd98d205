// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <malloc.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "ReplaySystem.h"

// Present only in a program built with a sanitizer.
extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));  // NOLINT

namespace Drobix::Replay {

namespace {

long StatusKilobytes(const std::string& name) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(name + ":")) {
            return std::strtol(line.c_str() + name.size() + 1, nullptr, 10);
        }
    }
    return 0;
}

// The heap in use: the sanitizer's allocator counts it when it replaces malloc, glibc otherwise.
size_t HeapBytesInUse() {
    if (__sanitizer_get_current_allocated_bytes != nullptr) {
        return __sanitizer_get_current_allocated_bytes();
    }
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

}  // namespace

MemoryFigures ReadMemoryFigures() {
    return {StatusKilobytes("VmRSS"), StatusKilobytes("VmHWM"), HeapBytesInUse()};
}

// Linux writes bytes as they are.
void UseBinaryStandardOutput() {}

}  // namespace Drobix::Replay

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "platform/Resources.h"

namespace Drobix::Platform {

void ReleaseResourcePages(int id, std::string_view type) {
    const std::span<const uint8_t> resource = FindResource(id, type);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (resource.empty() || pageSize <= 0) {
        return;
    }
    // Whole pages only: the first and last may hold neighbouring resources or other data.
    const auto page = static_cast<uintptr_t>(pageSize);
    const auto start = reinterpret_cast<uintptr_t>(resource.data());
    const uintptr_t first = (start + page - 1) / page * page;
    const uintptr_t end = (start + resource.size()) / page * page;
    if (end > first) {
        // The resources lie in a read-only mapping of the program file, so dropped pages come
        // back unchanged from the file.
        // madvise takes a mutable pointer; it writes nothing.
        auto* firstPage = const_cast<uint8_t*>(resource.data()) + (first - start);
        madvise(firstPage, end - first, MADV_DONTNEED);
    }
}

}  // namespace Drobix::Platform

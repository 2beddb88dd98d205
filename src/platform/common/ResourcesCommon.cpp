// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Resources.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "ResourceTable.h"

namespace Drobix::Platform {

namespace {

const EmbeddedResource* Find(int id, std::string_view type) {
    for (const EmbeddedResource& resource : EmbeddedResourceTable()) {
        if (resource.id == id && type == resource.type) {
            return &resource;
        }
    }
    return nullptr;
}

}  // namespace

std::span<const uint8_t> FindResource(int id, std::string_view type) {
    const EmbeddedResource* resource = Find(id, type);
    if (resource == nullptr) {
        return {};
    }
    return {resource->data, resource->size};
}

void ReleaseResourcePages(int id, std::string_view type) {
    const EmbeddedResource* resource = Find(id, type);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (resource == nullptr || pageSize <= 0) {
        return;
    }
    // Whole pages only: the first and last may hold neighbouring resources or other data.
    const auto page = static_cast<uintptr_t>(pageSize);
    const auto start = reinterpret_cast<uintptr_t>(resource->data);
    const uintptr_t first = (start + page - 1) / page * page;
    const uintptr_t end = (start + resource->size) / page * page;
    if (end > first) {
        // The resources lie in a read-only mapping of the program file, so dropped pages come
        // back unchanged from the file.
        // madvise takes a mutable pointer; it writes nothing.
        auto* firstPage = const_cast<uint8_t*>(resource->data) + (first - start);
        madvise(firstPage, end - first, MADV_DONTNEED);
    }
}

std::optional<std::string> LoadStringResource(int id) {
    const EmbeddedResource* resource = Find(id, "STRING");
    if (resource == nullptr) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(resource->data), resource->size);
}

}  // namespace Drobix::Platform

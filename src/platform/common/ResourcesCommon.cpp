// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Resources.h"

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

std::optional<std::string> LoadStringResource(int id) {
    const EmbeddedResource* resource = Find(id, "STRING");
    if (resource == nullptr) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(resource->data), resource->size);
}

}  // namespace Drobix::Platform

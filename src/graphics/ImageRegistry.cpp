// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/ImageRegistry.h"

#include <array>
#include <map>
#include <memory>

namespace Drobix {

namespace {

// Pictures looked up by resource are asked for every frame (the block sheets by each grid
// drawn); a walk through every record, cold in the cache by then, cost more than the drawing
// it served. The answers found are kept until a record comes or goes.
constexpr size_t kFoundKept = 8;

struct Found {
    int32_t resourceId = 0;
    ImageSurface* image = nullptr;
};

struct RegistryState {
    std::map<int32_t, std::unique_ptr<ImageSurface>> records;
    int32_t lastSerial = 0;
    std::array<Found, kFoundKept> found{};
    size_t nextFound = 0;
    uint64_t changes = 0;
};

RegistryState registry;

void NoteChange() {
    ++registry.changes;
    registry.found.fill({});
}

}  // namespace

ImageSurface* CreateImageRecord() {
    auto record = std::make_unique<ImageSurface>();
    record->serial = ++registry.lastSerial;
    ImageSurface* image = record.get();
    registry.records.emplace(image->serial, std::move(record));
    NoteChange();
    return image;
}

void DeleteImageRecord(ImageSurface* image) {
    // Found by address, never by reading the record, so a stale pointer does no harm.
    auto& records = registry.records;
    for (auto entry = records.begin(); entry != records.end(); ++entry) {
        if (entry->second.get() == image) {
            records.erase(entry);
            NoteChange();
            return;
        }
    }
}

ImageSurface* FindImageByResource(int32_t resourceId) {
    // A kept answer is a live record; it is checked in case its resource was changed since.
    for (const Found& found : registry.found) {
        if (found.image != nullptr && found.resourceId == resourceId &&
            found.image->resourceId == resourceId) {
            return found.image;
        }
    }
    for (const auto& [serial, image] : registry.records) {
        if (image->resourceId == resourceId) {
            registry.found[registry.nextFound] = {resourceId, image.get()};
            registry.nextFound = (registry.nextFound + 1) % kFoundKept;
            return image.get();
        }
    }
    return nullptr;
}

uint64_t RegistryChanges() {
    return registry.changes;
}

ImageSurface* NextImageAfter(int32_t serial) {
    const auto next = registry.records.upper_bound(serial);
    return next == registry.records.end() ? nullptr : next->second.get();
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/ImageRegistry.h"

#include <map>
#include <memory>

namespace Drobix {

namespace {

// Never reset: serials stay unique for the whole run, so a serial kept beside a pointer tells
// whether the record it was taken from is still the one at that address.
struct RegistryState {
    std::map<int32_t, std::unique_ptr<ImageSurface>> records;
    int32_t lastSerial = 0;
};

RegistryState registry;

}  // namespace

ImageSurface* CreateImageRecord() {
    auto record = std::make_unique<ImageSurface>();
    record->serial = ++registry.lastSerial;
    ImageSurface* image = record.get();
    registry.records.emplace(image->serial, std::move(record));
    return image;
}

void DeleteImageRecord(ImageSurface* image) {
    // Found by address, never by reading the record, so a stale pointer does no harm.
    auto& records = registry.records;
    for (auto entry = records.begin(); entry != records.end(); ++entry) {
        if (entry->second.get() == image) {
            records.erase(entry);
            return;
        }
    }
}

ImageSurface* FindImageByResource(int32_t resourceId) {
    for (const auto& [serial, image] : registry.records) {
        if (image->resourceId == resourceId) {
            return image.get();
        }
    }
    return nullptr;
}

ImageSurface* NextImageAfter(int32_t serial) {
    const auto next = registry.records.upper_bound(serial);
    return next == registry.records.end() ? nullptr : next->second.get();
}

}  // namespace Drobix

#include "graphics/ImageRegistry.h"

#include <map>
#include <memory>

namespace Drobix {

namespace {

std::map<int32_t, std::unique_ptr<ImageSurface>> registry;
int32_t serialCounter = 0;

}  // namespace

ImageSurface* CreateImageRecord() {
    auto record = std::make_unique<ImageSurface>();
    record->serial = ++serialCounter;
    ImageSurface* image = record.get();
    registry.emplace(image->serial, std::move(record));
    return image;
}

void DeleteImageRecord(ImageSurface* image) {
    // Found by address, never by reading the record, so a stale pointer does no harm.
    for (auto entry = registry.begin(); entry != registry.end(); ++entry) {
        if (entry->second.get() == image) {
            registry.erase(entry);
            return;
        }
    }
}

ImageSurface* FindImageByResource(int32_t resourceId) {
    for (const auto& [serial, image] : registry) {
        if (image->resourceId == resourceId) {
            return image.get();
        }
    }
    return nullptr;
}

ImageSurface* NextImageAfter(int32_t serial) {
    const auto next = registry.upper_bound(serial);
    return next == registry.end() ? nullptr : next->second.get();
}

size_t GetImageCount() {
    return registry.size();
}

}  // namespace Drobix

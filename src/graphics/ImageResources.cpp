// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/ImageResources.h"

#include "graphics/Display.h"
#include "graphics/ImageRegistry.h"

namespace Drobix {

namespace {

constexpr uint32_t kPixelBits = 0xFFFF;

ImageSurface* GetOrLoad(int resourceId, ImageKind kind) {
    if (ImageSurface* loaded = FindImageByResource(resourceId)) {
        return loaded;
    }
    ImageSurface* image = CreateImageRecord();
    image->resourceId = resourceId;
    image->kind = kind;
    RealiseImage(image);
    return image;
}

}  // namespace

ImageSurface* LoadJpgImage(int resourceId) {
    return GetOrLoad(resourceId, ImageKind::Jpg);
}

ImageSurface* LoadPngImage(int resourceId) {
    return GetOrLoad(resourceId, ImageKind::Png);
}

ImageSurface* LoadPngImageKeyed(int resourceId, uint32_t keyLow, uint32_t keyHigh) {
    ImageSurface* image = LoadPngImage(resourceId);
    image->hasColourKey = true;
    image->colourKeyLow = static_cast<uint16_t>(keyLow & kPixelBits);
    image->colourKeyHigh = static_cast<uint16_t>(keyHigh & kPixelBits);
    return image;
}

}  // namespace Drobix

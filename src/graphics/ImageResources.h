// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "graphics/ImageSurface.h"

namespace Drobix {

// Get-or-load: the picture already loaded from that resource id, or a new one decoded from it
// (an empty picture when the resource is missing or broken). Never null.
ImageSurface* LoadJpgImage(int resourceId);
ImageSurface* LoadPngImage(int resourceId);
// LoadPngImage, then the colour key (keyLow, keyHigh), set on every call. The key is compared
// with the 16-bit pixels, so only its low 16 bits count: 0xFFFFFF keys white.
ImageSurface* LoadPngImageKeyed(int resourceId, uint32_t keyLow, uint32_t keyHigh);

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "graphics/ImageSurface.h"

namespace Drobix {

// A decoded picture: RGBA, 8 bits per channel, rows top first; alpha is 255 where the picture
// has none. Colours are exactly as stored (no gamma correction). An empty picture (0 x 0)
// carries the reason in error.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    std::string error;

    bool IsEmpty() const { return width == 0 || height == 0; }
};

// Pictures wider or higher than this, or a bad or truncated stream, decode as empty; blank
// pictures of such a size are refused too.
constexpr int kMaxPictureSide = 8192;

DecodedPicture DecodePng(std::span<const uint8_t> bytes);
DecodedPicture DecodeJpeg(std::span<const uint8_t> bytes);

// The resource of that id and image kind (JPG or PNG), decoded; empty when it is missing or
// cannot be decoded, and for a blank picture, which has no resource.
DecodedPicture DecodePictureResource(int resourceId, ImageKind kind);
// The window icon (a PNG stored as an ICON resource).
DecodedPicture DecodeIconResource(int resourceId);

}  // namespace Drobix

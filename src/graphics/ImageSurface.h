// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace Drobix {

// What a picture is made from: nothing (a blank picture, drawn by its owner and never decoded),
// or a picture resource of the type JPG or PNG.
enum class ImageKind : int32_t {
    Blank,
    Jpg,
    Png,
};

// One drawable picture, owned by the image registry. Its pixels are RGB565, rows top first,
// exactly width x height of them once it has any. Only the display (graphics/Display.cpp)
// writes them, so that draws it keeps for the end of a frame always learn of a change first;
// everyone else reads them.
class ImageSurface {
public:
    int32_t resourceId = 0;  // 0 for a blank picture
    int32_t width = 0;
    int32_t height = 0;
    // Blank pictures only: redraws the content after the pixels were rebuilt.
    std::function<void()> restoreCallback;
    ImageKind kind = ImageKind::Blank;
    int32_t serial = 0;
    // Source pixels whose value lies in [colourKeyLow, colourKeyHigh] are skipped by keyed blits.
    bool hasColourKey = false;
    uint16_t colourKeyLow = 0;
    uint16_t colourKeyHigh = 0;

    bool HasPixels() const { return !pixels_.empty(); }
    std::span<const uint16_t> Pixels() const { return pixels_; }
    // Counts the changes of the pixels, so that a draw remembered with it can tell them apart.
    uint32_t Version() const { return version_; }

private:
    // The display's own access to the pixels, defined in graphics/Display.cpp alone.
    friend class PixelWriter;

    std::vector<uint16_t> pixels_;
    uint32_t version_ = 0;
};

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace Drobix::Testing {

// A picture read back with libpng or libjpeg directly, as stored: the header's figures and the
// pixels as 8-bit RGB (palettes expanded, alpha dropped).
struct DecodedPicture {
    int width = 0;
    int height = 0;
    int bitDepth = 0;       // bits per sample (PNG) or sample precision (JPEG)
    int colourType = 0;     // PNG colour type; -1 for JPEG
    int channels = 0;       // channels as stored: 1 for a palette PNG, 3 for RGB or YCbCr
    bool baseline = false;  // JPEG: the frame is a baseline one (SOF0)
    int paletteSize = 0;
    std::vector<uint8_t> rgb;

    struct Pixel {
        uint8_t r, g, b;
        bool operator==(const Pixel&) const = default;
    };
    Pixel At(int x, int y) const {
        const size_t i = (static_cast<size_t>(y) * width + x) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

std::optional<DecodedPicture> ReadPng(std::span<const uint8_t> bytes);
std::optional<DecodedPicture> ReadJpeg(std::span<const uint8_t> bytes);

}  // namespace Drobix::Testing

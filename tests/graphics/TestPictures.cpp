// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/TestPictures.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "assetgen/Codecs.h"
#include "graphics/Display.h"
#include "graphics/PictureDecoder.h"
#include "graphics/PictureDecoderTesting.h"
#include "resources/ResourceIds.h"

namespace Drobix::Testing {

namespace {

std::map<std::pair<int, std::string>, std::vector<uint8_t>> fakeResources;

std::span<const uint8_t> FindFakeResource(int id, std::string_view type) {
    const auto found = fakeResources.find({id, std::string(type)});
    if (found == fakeResources.end()) {
        return {};
    }
    return found->second;
}

namespace Art = AssetGen::Art;

Art::Rgb ToArt(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

Art::RgbImage ToRgbImage(int width, int height, const std::vector<Rgb>& pixels) {
    Art::RgbImage image(width, height);
    std::transform(pixels.begin(), pixels.end(), image.pixels.begin(), ToArt);
    return image;
}

}  // namespace

Rgb RgbOf(uint16_t pixel) {
    const unsigned r = pixel >> 11;
    const unsigned g = (pixel >> 5) & 0x3F;
    const unsigned b = pixel & 0x1F;
    return {static_cast<uint8_t>((r << 3) | (r >> 2)), static_cast<uint8_t>((g << 2) | (g >> 4)),
            static_cast<uint8_t>((b << 3) | (b >> 2))};
}

std::vector<uint8_t> EncodeRgbPng(int width, int height, const std::vector<Rgb>& pixels) {
    return Art::EncodePng(ToRgbImage(width, height, pixels));
}

std::vector<uint8_t> EncodePalettePng(int width, int height, const std::vector<uint8_t>& indices,
                                      const std::vector<Rgb>& palette) {
    Art::IndexedImage image{width, height, indices, {}};
    std::transform(palette.begin(), palette.end(), std::back_inserter(image.palette), ToArt);
    return Art::EncodePng(image);
}

std::vector<uint8_t> SolidPng(int width, int height, Rgb colour) {
    return EncodeRgbPng(width, height,
                        std::vector<Rgb>(static_cast<size_t>(width) * height, colour));
}

std::vector<uint8_t> EncodeJpeg(int width, int height, const std::vector<Rgb>& pixels) {
    constexpr int kBestQuality = 100;
    return Art::EncodeJpeg(ToRgbImage(width, height, pixels), kBestQuality);
}

FakeResources::FakeResources() {
    fakeResources.clear();
    Add(ResourceId::kGreyPixel, "PNG", SolidPng(1, 1, {66, 63, 63}));
    Add(ResourceId::kBlackPixel, "PNG", SolidPng(1, 1, {0, 0, 0}));
    SetPictureSource(&FindFakeResource);
}

FakeResources::~FakeResources() {
    SetPictureSource(nullptr);
    fakeResources.clear();
}

void FakeResources::Add(int id, std::string type, std::vector<uint8_t> bytes) {
    fakeResources[{id, std::move(type)}] = std::move(bytes);
}

void FakeResources::Remove(int id, std::string type) {
    fakeResources.erase({id, std::move(type)});
}

uint16_t GlyphColour(int glyphIndex) {
    return static_cast<uint16_t>(0x2000 + glyphIndex);
}

std::vector<Rgb> MakeFontPicture(const std::vector<std::vector<int>>& glyphWidths, int rowHeight,
                                 int& width, int& height) {
    constexpr Rgb kRed{255, 0, 0};
    constexpr Rgb kGreen{0, 255, 0};
    width = 2;
    for (const auto& row : glyphWidths) {
        width = std::max(width, 2 + std::accumulate(row.begin(), row.end(), 0));
    }
    height = static_cast<int>(glyphWidths.size()) * (rowHeight + 1);
    std::vector<Rgb> pixels(static_cast<size_t>(width) * height, Rgb{0, 0, 0});
    auto at = [&](int x, int y) -> Rgb& { return pixels[static_cast<size_t>(y) * width + x]; };
    bool glyphRed = true;
    int glyphIndex = 0;
    for (size_t r = 0; r < glyphWidths.size(); ++r) {
        const int top = static_cast<int>(r) * (rowHeight + 1);
        for (int y = top; y <= top + rowHeight; ++y) {
            at(0, y) = r % 2 == 0 ? kRed : kGreen;
        }
        int x = 1;
        for (const int glyphWidth : glyphWidths[r]) {
            const Rgb fill = RgbOf(GlyphColour(glyphIndex++));
            for (int i = 0; i < glyphWidth; ++i) {
                at(x + i, top) = glyphRed ? kRed : kGreen;
                for (int y = top + 1; y <= top + rowHeight && i + 1 < glyphWidth; ++y) {
                    at(x + i, y) = fill;
                }
            }
            x += glyphWidth;
            glyphRed = !glyphRed;
        }
    }
    return pixels;
}

}  // namespace Drobix::Testing

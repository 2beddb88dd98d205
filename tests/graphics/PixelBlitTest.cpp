// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/PixelBlit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "VectorPaths.h"

namespace Drobix {
namespace {

class PixelBlitTest : public Testing::VectorPathTest {};

constexpr int kPictureWidth = 64;
constexpr int kPictureHeight = 48;
constexpr int kCanvasWidth = 100;
constexpr int kCanvasHeight = 80;

// What a blit must do, one pixel at a time: each target pixel inside the target, the clip and
// the canvas takes the source pixel that nearest-neighbour scaling maps it to, unless keyed.
void ReferenceBlit(const std::vector<uint16_t>& picture, const Rect& source,
                   std::vector<uint16_t>& canvas, const Rect& target, const Rect& clip,
                   const ColourKey& key) {
    for (int y = std::max(target.top, clip.top); y < std::min(target.bottom, clip.bottom); ++y) {
        for (int x = std::max(target.left, clip.left); x < std::min(target.right, clip.right);
             ++x) {
            const int64_t sourceX =
                source.left + int64_t{x - target.left} * source.Width() / target.Width();
            const int64_t sourceY =
                source.top + int64_t{y - target.top} * source.Height() / target.Height();
            const uint16_t pixel = picture[static_cast<size_t>(sourceY * kPictureWidth + sourceX)];
            if (!key.enabled || pixel < key.low || pixel > key.high) {
                canvas[static_cast<size_t>(y) * kCanvasWidth + x] = pixel;
            }
        }
    }
}

// Copies and stretches of every width from 1 to 40 pixels (the vector loops' lanes and their
// rests), opaque and keyed, one-pixel fills among them, reaching past the canvas's edges.
TEST_P(PixelBlitTest, CopiesAndStretchesMatchAPixelByPixelReference) {
    std::mt19937 random(11);
    auto next = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<uint16_t> picture(static_cast<size_t>(kPictureWidth) * kPictureHeight);
    for (uint16_t& pixel : picture) {
        // Few values, so that the keys match often.
        pixel = static_cast<uint16_t>(next(0, 7) * 0x1111);
    }
    std::vector<uint16_t> canvas(static_cast<size_t>(kCanvasWidth) * kCanvasHeight, 0x0F0F);
    std::vector<uint16_t> expected = canvas;
    const ConstPixelView from{picture.data(), kPictureWidth, kPictureHeight};
    const PixelView to{canvas.data(), kCanvasWidth, kCanvasHeight};
    for (int blit = 0; blit < 3000; ++blit) {
        const int width = blit % 40 + 1;
        const int left = next(0, kPictureWidth - width);
        const int top = next(0, kPictureHeight - 1);
        const Rect source{left, top, left + width, next(top + 1, kPictureHeight)};
        const int x = next(-20, kCanvasWidth - 1);
        const int y = next(-20, kCanvasHeight - 1);
        const bool stretched = blit % 3 == 0;
        const Rect target =
            stretched ? Rect{x, y, x + next(1, 60), y + next(1, 40)} : PlacedAt(source, x, y);
        const int clipLeft = next(0, kCanvasWidth - 1);
        const int clipTop = next(0, kCanvasHeight - 1);
        const Rect clip = blit % 2 == 0 ? Rect{0, 0, kCanvasWidth, kCanvasHeight}
                                        : Rect{clipLeft, clipTop, next(clipLeft + 1, kCanvasWidth),
                                               next(clipTop + 1, kCanvasHeight)};
        const auto low = static_cast<uint16_t>(next(0, 7) * 0x1111);
        const ColourKey key{blit % 4 == 1, low,
                            static_cast<uint16_t>(blit % 8 == 1 ? low : low + 0x1111)};
        if (stretched) {
            StretchPixels(from, source, to, target, clip, key);
        } else {
            CopyPixels(from, source, to, x, y, clip, key);
        }
        ReferenceBlit(picture, source, expected, target, clip, key);
        ASSERT_EQ(canvas, expected) << "blit " << blit;
    }
}

INSTANTIATE_TEST_SUITE_P(VectorPaths, PixelBlitTest, testing::Bool(), Testing::VectorPathName);

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "graphics/ImageResources.h"
#include "graphics/TestPictures.h"
#include "platform/Presenter.h"

namespace Drobix::Testing {

// An open display on the scripted backend with pictures made by the test.
class DisplayFixture : public testing::Test {
protected:
    static constexpr int kBackdropId = 900;

    void SetUp() override { ASSERT_TRUE(OpenDisplay()); }
    void TearDown() override {
        FreeFonts();
        CloseDisplay();
    }

    // A pixel of the back buffer once the frame drawn so far is complete.
    static uint16_t Pixel(int x, int y) {
        CompleteFrame();
        return BackBufferPixels()[static_cast<size_t>(y) * kScreenWidth + x];
    }
    static uint16_t PixelOf(const ImageSurface* image, int x, int y) {
        return image->Pixels()[static_cast<size_t>(y) * image->width + x];
    }

    // A PNG picture whose pixels convert to exactly these 16-bit values, loaded.
    static ImageSurface* LoadPicture(int id, int width, int height,
                                     const std::vector<uint16_t>& pixels) {
        std::vector<Rgb> rgb;
        for (const uint16_t pixel : pixels) {
            rgb.push_back(RgbOf(pixel));
        }
        FakeResources::Add(id, "PNG", EncodeRgbPng(width, height, rgb));
        return LoadPngImage(id);
    }

    // Paints the whole back buffer one colour.
    static void FillScreen(uint16_t colour) {
        ImageSurface* backdrop = LoadPicture(kBackdropId, 1, 1, {colour});
        const Rect one{0, 0, 1, 1};
        const Rect screen{0, 0, kScreenWidth, kScreenHeight};
        StretchImage(backdrop, &one, &screen);
    }

    // How many back-buffer pixels differ from colour.
    static int CountOtherThan(uint16_t colour) {
        CompleteFrame();
        int count = 0;
        for (int i = 0; i < Platform::kFramePixels; ++i) {
            count += BackBufferPixels()[i] != colour ? 1 : 0;
        }
        return count;
    }

    FakeResources resources_;
};

}  // namespace Drobix::Testing

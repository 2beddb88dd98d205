// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The texture route hands the frame to its texture band by band; shown through SDL's software
// renderer in a window of the frame's own size, every pixel of every band must arrive converted,
// also after a reset of the rendering device.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/Presenter.h"
#include "platform/sdl/PresenterSdlTesting.h"

namespace Drobix::Platform {
namespace {

namespace Testing = Sdl::Testing;

constexpr uint32_t kColourBits = 0x00FFFFFFU;

class TexturePresentTest : public ::testing::Test {
protected:
    void SetUp() override {
        Testing::UseSoftwareTextureRoute(true);
        SetStartWindowMode(WindowMode::Window);
    }
    void TearDown() override {
        CloseMainWindow();
        Testing::UseSoftwareTextureRoute(false);
        SetStartWindowMode(WindowMode::Fullscreen);
    }
};

// Every band of three random frames reaches the window; with resetDevice, the rendering device is
// reset before the second, and the route's renderer and textures made again then.
void ExpectEveryBandOfEveryFrame(bool resetDevice) {
    ASSERT_TRUE(OpenMainWindow("Drobix", {}));
    std::mt19937 random(5);
    std::vector<uint16_t> frame(kFramePixels);
    std::vector<uint32_t> expected(kFramePixels);
    for (int present = 0; present < 3; ++present) {
        for (uint16_t& pixel : frame) {
            pixel = static_cast<uint16_t>(random());
        }
        if (resetDevice && present == 1) {
            MarkSurfacesLost();
            EXPECT_TRUE(TakeSurfacesLost());
        }
        PresentFrame(frame.data(), ChangedSpans{});
        SDL_Surface* surface = Testing::GetTextureRouteSurface();
        ASSERT_NE(surface, nullptr) << "not the texture route";
        ASSERT_EQ(surface->w, kFrameWidth);
        ASSERT_EQ(surface->h, kFrameHeight);
        ASSERT_EQ(surface->format->Rmask, 0x00FF0000U);
        ConvertRgb565ToXrgb8888(frame.data(), expected.data(), kFramePixels);
        for (int y = 0; y < kFrameHeight; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(
                static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch);
            for (int x = 0; x < kFrameWidth; ++x) {
                ASSERT_EQ(row[x] & kColourBits,
                          expected[static_cast<size_t>(y) * kFrameWidth + x] & kColourBits)
                    << "present " << present << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(TexturePresentTest, EveryBandOfEveryFrameReachesTheWindow) {
    ExpectEveryBandOfEveryFrame(false);
}

TEST_F(TexturePresentTest, AfterADeviceResetTheFramesReachTheWindowWhole) {
    ExpectEveryBandOfEveryFrame(true);
}

}  // namespace
}  // namespace Drobix::Platform

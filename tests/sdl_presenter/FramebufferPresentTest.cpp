// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The framebuffer route redraws, for each frame, only the window rows and columns that the
// frame's changed spans reach: after many frames that each change a few places, the window must
// show exactly what scaling the whole frame afresh shows. Run on SDL's dummy driver, and on a
// virtual X server, where the pixels are also read back from the server, sent both through
// memory shared with it and through the connection.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include "SharpScaled.h"
#include "platform/Presenter.h"
#include "platform/sdl/PresenterSdlTesting.h"

namespace Drobix::Platform {
namespace {

namespace Testing = Sdl::Testing;

constexpr uint32_t kColourBits = 0x00FFFFFFU;

// The whole frame scaled into width x height, as the window should show it.
std::vector<uint32_t> ScaledAfresh(const std::vector<uint16_t>& frame, int width, int height) {
    std::vector<uint32_t> converted(frame.size());
    ConvertRgb565ToXrgb8888(frame.data(), converted.data(), kFramePixels);
    return Drobix::Testing::SharpScaled(converted, kFrameWidth, kFrameHeight, width, height);
}

class FramebufferPresentTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { Testing::ShareMemoryWithServer(GetParam()); }
    void TearDown() override {
        CloseMainWindow();
        Testing::ShareMemoryWithServer(true);
    }
};

TEST_P(FramebufferPresentTest, WindowShowsTheWholeFrameAfterFramesThatChangedOnlyTheirSpans) {
    ASSERT_TRUE(OpenMainWindow("Drobix", {}));
    SDL_Surface* surface = Testing::GetFramebuffer();
    ASSERT_NE(surface, nullptr) << "not the framebuffer route";
    ASSERT_EQ(surface->format->Rmask, 0x00FF0000U);

    std::mt19937 random(11);
    std::vector<uint16_t> frame(kFramePixels);
    for (uint16_t& pixel : frame) {
        pixel = static_cast<uint16_t>(random());
    }
    PresentFrame(frame.data(), ChangedSpans{});
    int servedPresents = 0;
    const SDL_Rect area = Testing::GetScaledArea();
    // Not a whole factor, so that rows and columns are blended from two.
    ASSERT_NE(area.w % kFrameWidth, 0) << area.w;
    for (int present = 0; present < 30; ++present) {
        // A few rectangles of new pixels, each row's span reaching over the rectangles in it;
        // every other present, a band of rows each changed over columns of its own, as a line
        // of text scrolled by a pixel changes them.
        ChangedSpans spans{};
        const int bandTop = static_cast<int>(random() % (kFrameHeight - 40));
        for (int y = bandTop; y < bandTop + 40 && present % 2 == 1; ++y) {
            const int left = static_cast<int>(random() % kFrameWidth);
            const int right = std::min(kFrameWidth, left + 1 + static_cast<int>(random() % 300));
            spans[static_cast<size_t>(y)] = {left, right};
            for (int x = left; x < right; ++x) {
                frame[static_cast<size_t>(y) * kFrameWidth + x] = static_cast<uint16_t>(random());
            }
        }
        for (int change = 0; change < 3; ++change) {
            const int left = static_cast<int>(random() % kFrameWidth);
            const int top = static_cast<int>(random() % kFrameHeight);
            const int right = std::min(kFrameWidth, left + 1 + static_cast<int>(random() % 90));
            const int bottom = std::min(kFrameHeight, top + 1 + static_cast<int>(random() % 40));
            for (int y = top; y < bottom; ++y) {
                RowSpan& span = spans[static_cast<size_t>(y)];
                span = span.left == span.right
                           ? RowSpan{left, right}
                           : RowSpan{std::min(span.left, left), std::max(span.right, right)};
                for (int x = left; x < right; ++x) {
                    frame[static_cast<size_t>(y) * kFrameWidth + x] =
                        static_cast<uint16_t>(random());
                }
            }
        }
        PresentFrame(frame.data(), spans);
        const std::vector<uint32_t> expected = ScaledAfresh(frame, area.w, area.h);
        for (int y = 0; y < area.h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(
                static_cast<const uint8_t*>(surface->pixels) + (area.y + y) * surface->pitch);
            for (int x = 0; x < area.w; ++x) {
                ASSERT_EQ(row[area.x + x] & kColourBits,
                          expected[static_cast<size_t>(y) * area.w + x] & kColourBits)
                    << "present " << present << " at " << x << "," << y;
            }
        }
        // On an X server, what the server holds too.
        const std::vector<uint32_t> shown = Testing::ReadWindowFromServer();
        for (int y = 0; y < area.h && !shown.empty(); ++y) {
            for (int x = 0; x < area.w; ++x) {
                ASSERT_EQ(shown[static_cast<size_t>(area.y + y) * surface->w + area.x + x],
                          expected[static_cast<size_t>(y) * area.w + x] & kColourBits)
                    << "server, present " << present << " at " << x << "," << y;
            }
        }
        servedPresents += shown.empty() ? 0 : 1;
    }
    // Under an X server (DROBIX_EXPECT_X11), every present was read back from it.
    if (std::getenv("DROBIX_EXPECT_X11") != nullptr) {
        EXPECT_EQ(servedPresents, 30);
        EXPECT_EQ(Testing::SendsThroughSharedMemory(), GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(SharedOrCopied, FramebufferPresentTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "SharedMemory" : "Connection";
                         });

}  // namespace
}  // namespace Drobix::Platform

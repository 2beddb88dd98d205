// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame record must never show in the pixels: random frames of blits, half of them the same
// as the frame before, are drawn through the display and, beside it, straight onto a plain
// buffer with the pixel blits. Both must agree at every present, and every pixel that differs
// from the frame presented before must lie in its row's changed span.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

#include "VectorPaths.h"
#include "graphics/Display.h"
#include "graphics/DisplayFixture.h"
#include "graphics/DisplayTesting.h"
#include "graphics/PixelBlit.h"
#include "platform/Presenter.h"
#include "platform/scripted/PresenterScripted.h"

namespace Drobix {
namespace {

constexpr Rect kScreen{0, 0, kScreenWidth, kScreenHeight};
constexpr uint16_t kKey = 0x0000;

std::vector<uint16_t> Pattern(int width, int height, uint32_t seed, bool withKeyHoles) {
    std::mt19937 random(seed);
    std::vector<uint16_t> pixels(static_cast<size_t>(width) * height);
    for (uint16_t& pixel : pixels) {
        pixel = static_cast<uint16_t>(random() | 1U);
        if (withKeyHoles && random() % 3 == 0) {
            pixel = kKey;
        }
    }
    return pixels;
}

// A picture as the reference sees it: its own pixels, changed only by the reference's draws.
struct Reference {
    std::vector<uint16_t> pixels;
    int width = 0;
    int height = 0;
    ConstPixelView View() const { return {pixels.data(), width, height}; }
    PixelView Target() { return {pixels.data(), width, height}; }
};

class FrameRecordTest : public Testing::DisplayFixture, public Testing::VectorPaths {
protected:
    void SetUp() override {
        ChoosePath(GetParam());
        DisplayFixture::SetUp();
        // Two backgrounds, an opaque and a keyed sprite sheet, and a blank picture that is drawn
        // on and used as a background too.
        for (int i = 0; i < 2; ++i) {
            backgrounds_[i] = LoadPicture(910 + i, kScreenWidth, kScreenHeight,
                                          Pattern(kScreenWidth, kScreenHeight, 17 + i, false));
        }
        opaque_ = LoadPicture(920, 90, 70, Pattern(90, 70, 5, false));
        keyed_ = LoadPicture(921, 60, 50, Pattern(60, 50, 6, true));
        keyed_->hasColourKey = true;
        keyed_->colourKeyLow = kKey;
        keyed_->colourKeyHigh = kKey;
        canvas_ = CreateBlankImage(kScreenWidth, kScreenHeight, nullptr);
        for (ImageSurface* image : {backgrounds_[0], backgrounds_[1], opaque_, keyed_}) {
            fixed_.push_back(
                {image,
                 {{image->Pixels().begin(), image->Pixels().end()}, image->width, image->height}});
        }
        CompleteFrame();
        screen_ = {
            std::vector<uint16_t>(BackBufferPixels(), BackBufferPixels() + Platform::kFramePixels),
            kScreenWidth, kScreenHeight};
        canvasReference_ = {
            {canvas_->Pixels().begin(), canvas_->Pixels().end()}, kScreenWidth, kScreenHeight};
    }

    void TearDown() override {
        DisplayFixture::TearDown();
        ChoosePath(false);
    }

    Rect RandomRect(int width, int height, int spill) {
        const int left = Next(-spill, width);
        const int top = Next(-spill, height);
        return {left, top, left + Next(1, width / 2 + spill), top + Next(1, height / 2 + spill)};
    }
    int Next(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    const Reference& ReferenceOf(const ImageSurface* image) {
        for (const auto& [picture, reference] : fixed_) {
            if (picture == image) {
                return reference;
            }
        }
        return canvasReference_;
    }

    // A reset of the rendering device, noticed at the next flip, which it drops: every picture
    // is rebuilt, the blank canvas black.
    void LoseSurfaces() {
        Platform::Scripted::LoseSurfaces();
        FlipDisplay();
        std::fill(canvasReference_.pixels.begin(), canvasReference_.pixels.end(), 0);
    }

    // Draws on the reference screen through the clip rectangles, as the display does.
    template <typename Draw>
    void OnScreen(Draw draw) {
        if (clips_.empty()) {
            draw(kScreen);
            return;
        }
        for (const Rect& clip : clips_) {
            const Rect visible = Intersect(clip, kScreen);
            if (!visible.IsEmpty()) {
                draw(visible);
            }
        }
    }

    void CopyBoth(ImageSurface* image, const Rect& source, int x, int y, bool keyed) {
        const ColourKey key = keyed && image->hasColourKey
                                  ? ColourKey{true, image->colourKeyLow, image->colourKeyHigh}
                                  : ColourKey{};
        const ConstPixelView from = ReferenceOf(image).View();
        OnScreen(
            [&](const Rect& clip) { CopyPixels(from, source, screen_.Target(), x, y, clip, key); });
        if (keyed) {
            DrawImagePartKeyed(image, &source, x, y);
        } else {
            DrawImagePart(image, &source, x, y);
        }
    }

    void StretchBoth(ImageSurface* image, const Rect& source, const Rect& target, bool keyed) {
        const ColourKey key = keyed ? ColourKey{true, kKey, kKey} : ColourKey{};
        const ConstPixelView from = ReferenceOf(image).View();
        OnScreen([&](const Rect& clip) {
            StretchPixels(from, source, screen_.Target(), target, clip, key);
        });
        if (keyed) {
            StretchImageKeyed(image, &source, &target);
        } else {
            StretchImage(image, &source, &target);
        }
    }

    void OneRandomDraw() {
        switch (Next(0, 9)) {
            case 0:
            case 1:
            case 2: {
                ImageSurface* background = Next(0, 3) == 0 ? canvas_ : backgrounds_[Next(0, 1)];
                CopyBoth(background, kScreen, 0, 0, false);
                break;
            }
            case 3:
                CopyBoth(opaque_, Intersect(RandomRect(90, 70, 0), {0, 0, 90, 70}),
                         Next(-60, kScreenWidth), Next(-40, kScreenHeight), false);
                break;
            case 4:
                CopyBoth(keyed_, {0, 0, 60, 50}, Next(-40, kScreenWidth), Next(-40, kScreenHeight),
                         true);
                break;
            case 5:
                StretchBoth(Next(0, 1) == 0 ? opaque_ : keyed_, {0, 0, 40, 40},
                            RandomRect(kScreenWidth, kScreenHeight, 50), Next(0, 1) == 0);
                break;
            case 6: {
                // A large opaque cover: whole tiles of the record need no restore under it.
                const Rect panel = RandomRect(kScreenWidth, kScreenHeight, 0);
                StretchBoth(opaque_, {3, 3, 4, 4}, panel, false);
                break;
            }
            case 7: {
                clips_.clear();
                const int count = Next(0, 2);
                for (int i = 0; i < count; ++i) {
                    clips_.push_back(RandomRect(kScreenWidth, kScreenHeight, 30));
                }
                if (count == 0) {
                    ClearClip();
                } else {
                    SetClipRects(clips_.data(), static_cast<unsigned>(clips_.size()));
                }
                break;
            }
            case 8: {
                // The canvas changes, possibly while it is the background.
                const Rect source{0, 0, 40, 30};
                const int x = Next(0, kScreenWidth - 40);
                const int y = Next(0, kScreenHeight - 30);
                CopyPixels(ReferenceOf(opaque_).View(), source, canvasReference_.Target(), x, y,
                           kScreen, {});
                DrawImagePart(opaque_, &source, x, y, canvas_);
                break;
            }
            default: {
                // A batch, opaque or keyed (as a string's glyphs), whose parts may overlap and
                // may reach past the sheet, which drops them.
                const bool keyed = Next(0, 1) == 0;
                ImageSurface* sheet = keyed ? keyed_ : opaque_;
                const int width = sheet->width;
                const int height = sheet->height;
                std::vector<PartCopy> parts;
                for (int i = Next(1, 8); i > 0; --i) {
                    parts.push_back({{Next(0, width / 2), Next(0, height / 2),
                                      Next(width / 2 + 1, width + 1), Next(height / 2 + 1, height)},
                                     Next(-20, kScreenWidth),
                                     Next(-20, kScreenHeight)});
                }
                const ColourKey key = keyed ? ColourKey{true, kKey, kKey} : ColourKey{};
                const ConstPixelView from = ReferenceOf(sheet).View();
                OnScreen([&](const Rect& clip) {
                    for (const PartCopy& part : parts) {
                        if (SourceInside(from, part.source)) {
                            CopyPixels(from, part.source, screen_.Target(), part.x, part.y, clip,
                                       key);
                        }
                    }
                });
                if (keyed) {
                    DrawImagePartsKeyed(sheet, parts);
                } else {
                    DrawImageParts(sheet, parts);
                }
                break;
            }
        }
    }

    std::mt19937 random_{2024};
    ImageSurface* backgrounds_[2] = {};
    ImageSurface* opaque_ = nullptr;
    ImageSurface* keyed_ = nullptr;
    ImageSurface* canvas_ = nullptr;
    Reference screen_;
    Reference canvasReference_;
    std::vector<std::pair<const ImageSurface*, Reference>> fixed_;
    std::vector<Rect> clips_;
};

TEST_P(FrameRecordTest, FramesMatchDrawsMadeAtOnceAndSpanEveryChange) {
    std::vector<uint16_t> presented;
    int64_t spanned = 0;
    std::mt19937 frameSeeds(99);
    uint32_t seed = 0;
    for (int frame = 0; frame < 400; ++frame) {
        // The same draws again, from the same clip list, or new ones.
        if (frameSeeds() % 2 == 0) {
            seed = frameSeeds();
        }
        random_.seed(seed);
        clips_.clear();
        ClearClip();
        const int draws = Next(1, 30);
        for (int i = 0; i < draws; ++i) {
            OneRandomDraw();
            // Now and then mid-frame, while restores are pending.
            if (frame % 13 == 12 && i == draws / 2) {
                LoseSurfaces();
            }
        }
        FlipDisplay();
        const std::span<const uint16_t> shown = Platform::Scripted::GetLastFrame();
        ASSERT_EQ(std::vector<uint16_t>(shown.begin(), shown.end()), screen_.pixels)
            << "frame " << frame;
        const Platform::ChangedSpans spans = Platform::Scripted::GetLastChangedSpans();
        for (int y = 0; y < kScreenHeight && !presented.empty(); ++y) {
            const Platform::RowSpan span = spans[static_cast<size_t>(y)];
            for (int x = 0; x < kScreenWidth; ++x) {
                const size_t at = static_cast<size_t>(y) * kScreenWidth + static_cast<size_t>(x);
                ASSERT_TRUE(shown[at] == presented[at] || (x >= span.left && x < span.right))
                    << "frame " << frame << " at " << x << "," << y;
            }
            // Narrowed to the pixels that differ: each end of a span is one.
            if (span.left < span.right && !presented.empty()) {
                const size_t row = static_cast<size_t>(y) * kScreenWidth;
                ASSERT_NE(shown[row + span.left], presented[row + span.left])
                    << "frame " << frame << " row " << y;
                ASSERT_NE(shown[row + span.right - 1], presented[row + span.right - 1])
                    << "frame " << frame << " row " << y;
            }
            spanned += span.right - span.left;
        }
        presented.assign(shown.begin(), shown.end());
    }
    // What was drawn on is spanned, not every pixel of every frame.
    EXPECT_LT(spanned, int64_t{400} * Platform::kFramePixels * 9 / 10);
}

// The tiles the record redrew for the last present, as (row, left, right) for the rows that
// have any.
std::vector<std::tuple<int, int, int>> RedrawnSpans() {
    std::vector<std::tuple<int, int, int>> spans;
    for (int y = 0; y < kScreenHeight; ++y) {
        const Rect part = Testing::GetRedrawnPart(y);
        if (part.left < part.right) {
            spans.emplace_back(y, part.left, part.right);
        }
    }
    return spans;
}

// A frame drawn again as it was is not drawn at all; one sprite moved redraws the tiles it
// left and the tiles it reached, and nothing else.
TEST_P(FrameRecordTest, OnlyTilesWhoseDrawsDifferAreRedrawn) {
    const Rect sprite{0, 0, 60, 50};
    auto drawFrame = [&](int spriteX, int clipRight = kScreenWidth) {
        DrawImage(backgrounds_[0], 0, 0);
        DrawImagePart(opaque_, &sprite, 100, 100);
        const Rect clip{0, 0, clipRight, kScreenHeight};
        SetClipRects(&clip, 1);
        DrawImagePartKeyed(keyed_, &sprite, spriteX, 300);
        ClearClip();
        FlipDisplay();
    };
    drawFrame(400);
    drawFrame(400);
    EXPECT_TRUE(RedrawnSpans().empty());
    drawFrame(464);
    // Tiles are 16 x 8: the sprite covered columns 400-459 and rows 300-349, now 464-523, so
    // the tile columns 400-527 of tile rows 296-351 are redrawn.
    std::vector<std::tuple<int, int, int>> expected;
    for (int y = 296; y < 352; ++y) {
        expected.emplace_back(y, 400, 528);
    }
    EXPECT_EQ(RedrawnSpans(), expected);
    // Only the clip's right edge differs: the sprite's tiles, columns 464-527, are redrawn.
    drawFrame(464, 500);
    expected.clear();
    for (int y = 296; y < 352; ++y) {
        expected.emplace_back(y, 464, 528);
    }
    EXPECT_EQ(RedrawnSpans(), expected);
    // The picture under the sprite changes: every tile it lies on is drawn again.
    const Rect patch{0, 0, 4, 4};
    DrawImagePart(keyed_, &patch, 0, 0, backgrounds_[0]);
    drawFrame(464);
    EXPECT_EQ(RedrawnSpans().size(), static_cast<size_t>(kScreenHeight));
}

// A batch is redrawn when only where its parts land, or their order, changes: its box and the
// parts themselves stay the same.
TEST_P(FrameRecordTest, ABatchWhosePartsSwapPlacesOrOrderIsRedrawn) {
    const PartCopy first{{0, 0, 20, 20}, 100, 100};
    const PartCopy second{{40, 30, 60, 50}, 200, 100};
    const auto shownAt = [](int x, int y) {
        return Platform::Scripted::GetLastFrame()[static_cast<size_t>(y) * kScreenWidth + x];
    };
    const auto drawFrame = [&](std::vector<PartCopy> parts) {
        DrawImage(backgrounds_[0], 0, 0);
        DrawImageParts(opaque_, parts);
        FlipDisplay();
    };
    // Each part shows its top-left pixel where it lands.
    const auto firstPixel = [&](const PartCopy& part) {
        return PixelOf(opaque_, part.source.left, part.source.top);
    };
    ASSERT_NE(firstPixel(first), firstPixel(second));
    drawFrame({first, second});
    EXPECT_EQ(shownAt(100, 100), firstPixel(first));
    drawFrame({{first.source, 200, 100}, {second.source, 100, 100}});
    EXPECT_EQ(shownAt(100, 100), firstPixel(second));
    EXPECT_EQ(shownAt(200, 100), firstPixel(first));
    // Overlapping: the later part shows.
    drawFrame({{first.source, 100, 100}, {second.source, 100, 100}});
    EXPECT_EQ(shownAt(100, 100), firstPixel(second));
    drawFrame({{second.source, 100, 100}, {first.source, 100, 100}});
    EXPECT_EQ(shownAt(100, 100), firstPixel(first));
}

// A background copied before a device reset shows as it was when copied, though the reset
// rebuilds the picture (a blank one black) before the copy's restores are made.
TEST_P(FrameRecordTest, ABackgroundCopiedBeforeAResetKeepsItsOldPixels) {
    const Rect sprite{0, 0, 60, 50};
    DrawImage(opaque_, 0, 0, canvas_);
    DrawImage(canvas_, 0, 0);
    DrawImagePartKeyed(keyed_, &sprite, 0, 0);
    FlipDisplay();
    DrawImage(canvas_, 0, 0);
    LoseSurfaces();
    FlipDisplay();
    const std::span<const uint16_t> shown = Platform::Scripted::GetLastFrame();
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 60; ++x) {
            ASSERT_EQ(shown[static_cast<size_t>(y) * kScreenWidth + x], PixelOf(opaque_, x, y))
                << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(VectorPaths, FrameRecordTest, testing::Bool(), Testing::VectorPathName);

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/Display.h"

#include <gtest/gtest.h>

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "graphics/DisplayFixture.h"
#include "graphics/ImageRegistry.h"
#include "graphics/PictureDecoder.h"
#include "graphics/PixelBlit.h"
#include "platform/Presenter.h"
#include "platform/scripted/PresenterScripted.h"
#include "resources/ResourceIds.h"

namespace Drobix {
namespace {

using Testing::DisplayFixture;
using Testing::FakeResources;

constexpr uint16_t kWhite = 0xFFFF;
constexpr uint16_t kBackground = 0x1234;
constexpr uint16_t kGrey = PackRgb565(66, 63, 63);
constexpr uint16_t kSpot = 0xF800;

class DisplayTest : public DisplayFixture {
protected:
    // A 4 x 2 picture: row 0 = 1 2 3 4, row 1 = 5 6 7 8 (as 16-bit values times 0x100).
    ImageSurface* Numbered(int id) {
        std::vector<uint16_t> pixels;
        for (uint16_t v = 1; v <= 8; ++v) {
            pixels.push_back(static_cast<uint16_t>(v * 0x100));
        }
        return LoadPicture(id, 4, 2, pixels);
    }
};

// The registry's live pictures, walked in serial order as the restore walks them.
size_t CountImages() {
    size_t count = 0;
    for (const ImageSurface* image = NextImageAfter(0); image != nullptr;
         image = NextImageAfter(image->serial)) {
        ++count;
    }
    return count;
}

TEST_F(DisplayTest, BorderedPanelHasFrameOutsideWithCutCorners) {
    FillScreen(kBackground);
    const Rect r{10, 10, 20, 20};
    DrawPanel(&r, true);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 10 && x < 20 && y >= 10 && y < 20;
            const bool corner = (x == 8 || x == 21) && (y == 8 || y == 21);
            const bool rows = (y == 8 || y == 9 || y == 20 || y == 21) && x >= 9 && x <= 20;
            const bool columns = (x == 8 || x == 9 || x == 20 || x == 21) && y >= 9 && y <= 20;
            const uint16_t expected =
                inside ? 0 : (!corner && (rows || columns) ? kGrey : kBackground);
            ASSERT_EQ(Pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(DisplayTest, BorderlessPanelTouchesOnlyItsRectangle) {
    FillScreen(kBackground);
    const Rect r{100, 50, 130, 52};
    DrawPanel(&r, false);
    EXPECT_EQ(CountOtherThan(kBackground), 30 * 2);
    EXPECT_EQ(Pixel(100, 50), 0);
    EXPECT_EQ(Pixel(129, 51), 0);
}

TEST_F(DisplayTest, RejectedSourcesDrawNothing) {
    FillScreen(kBackground);
    ImageSurface* picture = Numbered(300);
    const Rect zeroWidth{2, 0, 2, 2};
    const Rect pastEdge{2, 0, 5, 2};
    const Rect negative{-1, 0, 2, 2};
    const Rect target{0, 0, 50, 50};
    DrawImagePart(picture, &zeroWidth, 10, 10);
    DrawImagePart(picture, &pastEdge, 10, 10);
    DrawImagePartKeyed(picture, &negative, 10, 10);
    StretchImage(picture, &zeroWidth, &target);
    DrawImage(nullptr, 0, 0);
    EXPECT_EQ(CountOtherThan(kBackground), 0);
}

TEST_F(DisplayTest, BlitsPastTheEdgeAreClipped) {
    FillScreen(kBackground);
    ImageSurface* picture = Numbered(300);
    DrawImage(picture, -2, -1);
    DrawImage(picture, kScreenWidth - 1, kScreenHeight - 1);
    EXPECT_EQ(Pixel(0, 0), 0x700);
    EXPECT_EQ(Pixel(1, 0), 0x800);
    EXPECT_EQ(Pixel(kScreenWidth - 1, kScreenHeight - 1), 0x100);
    EXPECT_EQ(CountOtherThan(kBackground), 3);
}

TEST_F(DisplayTest, ClipListLimitsOnlyTheBackBuffer) {
    FillScreen(kBackground);
    ImageSurface* picture = Numbered(300);
    ImageSurface* offscreen = CreateBlankImage(8, 8, nullptr);
    const Rect clips[] = {{11, 0, 12, 100}, {0, 21, 100, 22}};
    SetClipRects(clips, 2);
    DrawImage(picture, 10, 20);
    DrawImage(picture, 0, 0, offscreen);
    ClearClip();
    // Only column 11 and row 21 of the picture at (10, 20) are drawn.
    EXPECT_EQ(Pixel(11, 20), 0x200);
    EXPECT_EQ(Pixel(10, 21), 0x500);
    EXPECT_EQ(Pixel(11, 21), 0x600);
    EXPECT_EQ(Pixel(13, 21), 0x800);
    EXPECT_EQ(Pixel(10, 20), kBackground);
    EXPECT_EQ(Pixel(13, 20), kBackground);
    EXPECT_EQ(CountOtherThan(kBackground), 5);
    EXPECT_EQ(PixelOf(offscreen, 0, 0), 0x100);
    EXPECT_EQ(PixelOf(offscreen, 3, 1), 0x800);

    DrawImage(picture, 10, 20);
    EXPECT_EQ(CountOtherThan(kBackground), 8);
}

TEST_F(DisplayTest, BatchOfPartsDrawsAsEachPartInTurn) {
    ImageSurface* picture = Numbered(300);
    // Overlapping parts, one past the screen's edge, one outside the picture, under a clip list.
    const PartCopy parts[] = {{{0, 0, 4, 2}, 10, 10},
                              {{1, 1, 3, 2}, 11, 10},
                              {{2, 0, 4, 2}, kScreenWidth - 1, 5},
                              {{3, 0, 5, 2}, 30, 30},
                              {{0, 0, 2, 1}, 13, 11}};
    const Rect clips[] = {{0, 0, kScreenWidth, 11}, {12, 0, 15, kScreenHeight}};
    FillScreen(kBackground);
    SetClipRects(clips, 2);
    for (const PartCopy& part : parts) {
        DrawImagePart(picture, &part.source, part.x, part.y);
    }
    ClearClip();
    CompleteFrame();
    const std::vector<uint16_t> oneByOne(BackBufferPixels(),
                                         BackBufferPixels() + Platform::kFramePixels);
    FillScreen(kBackground);
    SetClipRects(clips, 2);
    DrawImageParts(picture, parts);
    ClearClip();
    CompleteFrame();
    EXPECT_TRUE(std::equal(oneByOne.begin(), oneByOne.end(), BackBufferPixels()));
    EXPECT_EQ(Pixel(11, 10), 0x600);
    EXPECT_EQ(Pixel(12, 10), 0x700);
    EXPECT_EQ(Pixel(13, 11), 0x100);
    EXPECT_EQ(Pixel(11, 11), kBackground);
    EXPECT_EQ(Pixel(kScreenWidth - 1, 5), 0x300);
    EXPECT_EQ(CountOtherThan(kBackground), 4 + 3 + 2);
}

TEST_F(DisplayTest, StretchScalesByNearestNeighbour) {
    FillScreen(kBackground);
    ImageSurface* picture = Numbered(300);
    const Rect source{0, 0, 2, 2};
    const Rect target{10, 10, 14, 13};
    StretchImage(picture, &source, &target);
    const uint16_t expected[3][4] = {
        {0x100, 0x100, 0x200, 0x200}, {0x100, 0x100, 0x200, 0x200}, {0x500, 0x500, 0x600, 0x600}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(Pixel(10 + x, 10 + y), expected[y][x]) << x << "," << y;
        }
    }
    const Rect whole{0, 0, 4, 2};
    const Rect half{20, 20, 22, 21};
    StretchImage(picture, &whole, &half);
    EXPECT_EQ(Pixel(20, 20), 0x100);
    EXPECT_EQ(Pixel(21, 20), 0x300);
    EXPECT_EQ(CountOtherThan(kBackground), 14);
}

TEST_F(DisplayTest, KeyedBlitsSkipKeyColourAndWhatConvertsToIt) {
    FillScreen(kBackground);
    // Black, a colour too dark for 16 bits (7, 3, 7), and a spot.
    FakeResources::Add(301, "PNG",
                       Testing::EncodeRgbPng(3, 1, {{0, 0, 0}, {7, 3, 7}, {255, 0, 0}}));
    ImageSurface* picture = LoadPngImageKeyed(301, 0, 0);
    DrawImageKeyed(picture, 0, 0);
    EXPECT_EQ(Pixel(0, 0), kBackground);
    EXPECT_EQ(Pixel(1, 0), kBackground);
    EXPECT_EQ(Pixel(2, 0), kSpot);
    DrawImage(picture, 0, 1);
    EXPECT_EQ(Pixel(0, 1), 0);
    EXPECT_EQ(Pixel(1, 1), 0);
    const Rect source{0, 0, 3, 1};
    const Rect target{0, 2, 6, 3};
    StretchImageKeyed(picture, &source, &target);
    EXPECT_EQ(Pixel(1, 2), kBackground);
    EXPECT_EQ(Pixel(4, 2), kSpot);

    // White keyed by 0xFFFFFF: every bit of a 16-bit pixel.
    FakeResources::Add(302, "PNG", Testing::EncodeRgbPng(2, 1, {{255, 255, 255}, {0, 0, 0}}));
    ImageSurface* checker = LoadPngImageKeyed(302, 0xFFFFFF, 0xFFFFFF);
    DrawImageKeyed(checker, 10, 0);
    EXPECT_EQ(Pixel(10, 0), kBackground);
    EXPECT_EQ(Pixel(11, 0), 0);
}

TEST_F(DisplayTest, KeyIsSetOnEveryLoadOfTheSamePicture) {
    FillScreen(kBackground);
    FakeResources::Add(303, "PNG", Testing::SolidPng(1, 1, {255, 255, 255}));
    ImageSurface* first = LoadPngImageKeyed(303, 0, 0);
    ImageSurface* again = LoadPngImageKeyed(303, 0xFFFF, 0xFFFF);
    EXPECT_EQ(first, again);
    DrawImageKeyed(first, 0, 0);
    EXPECT_EQ(Pixel(0, 0), kBackground);
}

TEST_F(DisplayTest, SerialsCountUpAndAreNeverReused) {
    ImageSurface* a = CreateBlankImage(2, 2, nullptr);
    ImageSurface* b = CreateBlankImage(2, 2, nullptr);
    const int32_t n = a->serial;
    EXPECT_EQ(b->serial, n + 1);
    DestroyImage(a);
    EXPECT_EQ(b->serial, n + 1);
    ImageSurface* c = CreateBlankImage(2, 2, nullptr);
    EXPECT_EQ(c->serial, n + 2);
}

TEST_F(DisplayTest, GetOrLoadReturnsTheSameRecordUntilDestroyed) {
    const size_t before = CountImages();
    ImageSurface* first = LoadPngImage(ResourceId::kGreyPixel);
    EXPECT_EQ(first, BorderImage());
    EXPECT_EQ(CountImages(), before);

    FakeResources::Add(ResourceId::kMenuBackground, "JPG",
                       Testing::EncodeJpeg(16, 8, std::vector<Testing::Rgb>(128, {0, 0, 0})));
    ImageSurface* background = LoadJpgImage(ResourceId::kMenuBackground);
    EXPECT_EQ(LoadJpgImage(ResourceId::kMenuBackground), background);
    EXPECT_EQ(CountImages(), before + 1);
    EXPECT_EQ(background->kind, ImageKind::Jpg);
    EXPECT_EQ(background->width, 16);
    const int32_t serial = background->serial;
    DestroyImage(background);
    EXPECT_EQ(CountImages(), before);
    ImageSurface* again = LoadJpgImage(ResourceId::kMenuBackground);
    EXPECT_GT(again->serial, serial);
    // Found again without a walk through the registry, yet never under a resource it no
    // longer has.
    EXPECT_EQ(FindImageByResource(ResourceId::kMenuBackground), again);
    again->resourceId = ResourceId::kMenuBackground + 1000;
    EXPECT_EQ(FindImageByResource(ResourceId::kMenuBackground), nullptr);
    EXPECT_EQ(FindImageByResource(ResourceId::kMenuBackground + 1000), again);
}

TEST_F(DisplayTest, BlankPictureIsBlackAndOfItsSize) {
    ImageSurface* blank = CreateBlankImage(710, 270, nullptr);
    EXPECT_EQ(blank->width, 710);
    EXPECT_EQ(blank->height, 270);
    EXPECT_EQ(blank->kind, ImageKind::Blank);
    EXPECT_EQ(blank->resourceId, 0);
    ASSERT_EQ(blank->Pixels().size(), 710U * 270U);
    EXPECT_EQ(std::count(blank->Pixels().begin(), blank->Pixels().end(), 0), 710 * 270);
    EXPECT_FALSE(CreateBlankImage(-5, 10, nullptr)->HasPixels());
    // The same side limit as decoded pictures.
    EXPECT_TRUE(CreateBlankImage(1, kMaxPictureSide, nullptr)->HasPixels());
    EXPECT_FALSE(CreateBlankImage(1, kMaxPictureSide + 1, nullptr)->HasPixels());
}

// A draw kept for the end of the frame shows the pixels the picture had when it was drawn, and
// a picture given new pixels in a frame shows them from its next draw on.
TEST_F(DisplayTest, NewPixelsReachOnlyTheDrawsAfterThem) {
    FillScreen(kBackground);
    ImageSurface* picture = CreateBlankImage(2, 1, nullptr);
    const std::vector<uint16_t> spots{kSpot, kWhite};
    SetImagePixels(picture, 2, 1, spots);
    DrawImage(picture, 10, 20);
    const std::vector<uint16_t> greys{kGrey, kGrey, kGrey};
    SetImagePixels(picture, 3, 1, greys);
    DrawImage(picture, 10, 21);
    EXPECT_EQ(Pixel(10, 20), kSpot);
    EXPECT_EQ(Pixel(11, 20), kWhite);
    EXPECT_EQ(Pixel(12, 20), kBackground);
    EXPECT_EQ(Pixel(12, 21), kGrey);
    EXPECT_EQ(picture->width, 3);
    // Too few pixels leave the rest black.
    SetImagePixels(picture, 2, 2, spots);
    EXPECT_EQ(PixelOf(picture, 1, 0), kWhite);
    EXPECT_EQ(PixelOf(picture, 1, 1), 0);
    SetImagePixels(picture, 1, kMaxPictureSide + 1, spots);
    EXPECT_FALSE(picture->HasPixels());
}

TEST_F(DisplayTest, LossRestoresEveryPictureAtTheNextBlit) {
    ImageSurface* picture = Numbered(300);
    int callbacks = 0;
    ImageSurface* blank = CreateBlankImage(4, 4, [&] {
        ++callbacks;
        // The callback may draw with pictures restored before it.
        EXPECT_EQ(PixelOf(picture, 0, 0), 0x100);
    });
    FillScreen(kBackground);
    const Rect one{0, 0, 1, 1};
    const Rect all{0, 0, 4, 4};
    StretchImage(BorderImage(), &one, &all, blank);
    StretchImage(BorderImage(), &one, &all, picture);
    ASSERT_EQ(PixelOf(blank, 1, 1), kGrey);

    Platform::Scripted::LoseSurfaces();
    DrawImage(picture, 0, 0);  // notices the loss: restores, and draws nothing
    EXPECT_EQ(Pixel(0, 0), kBackground);
    EXPECT_EQ(callbacks, 1);
    EXPECT_EQ(PixelOf(blank, 1, 1), 0);
    EXPECT_EQ(PixelOf(picture, 0, 0), 0x100);
    EXPECT_EQ(PixelOf(picture, 3, 1), 0x800);

    DrawImage(picture, 0, 0);
    EXPECT_EQ(Pixel(0, 0), 0x100);
    EXPECT_EQ(callbacks, 1);
}

TEST_F(DisplayTest, FlipAfterLossRestoresInsteadOfPresenting) {
    FillScreen(kSpot);
    const uint64_t presents = Platform::Scripted::GetPresentCount();
    FlipDisplay();
    EXPECT_EQ(Platform::Scripted::GetPresentCount(), presents + 1);
    ASSERT_EQ(Platform::Scripted::GetLastFrame().size(), size_t{Platform::kFramePixels});
    EXPECT_EQ(Platform::Scripted::GetLastFrame()[1234], kSpot);
    Platform::Scripted::LoseSurfaces();
    FlipDisplay();
    EXPECT_EQ(Platform::Scripted::GetPresentCount(), presents + 1);
    FlipDisplay();
    EXPECT_EQ(Platform::Scripted::GetPresentCount(), presents + 2);
}

TEST_F(DisplayTest, LastFrameIsWrittenAsRgbPngWithBitReplication) {
    FillScreen(0x0841);  // 5-6-5 channels 1, 2, 1
    LoadPicture(304, 1, 1, {0xF800});
    DrawImage(LoadPngImage(304), 799, 599);
    FlipDisplay();
    const std::string path =
        (std::filesystem::temp_directory_path() / "drobix-display-test.png").string();
    ASSERT_TRUE(Platform::Scripted::WriteLastFrameAsPng(path));
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    EXPECT_EQ(image.width, 800U);
    EXPECT_EQ(image.height, 600U);
    EXPECT_EQ(image.format, PNG_FORMAT_RGB);
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    EXPECT_EQ(rgb[0], 8);
    EXPECT_EQ(rgb[1], 8);
    EXPECT_EQ(rgb[2], 8);
    const size_t last = rgb.size() - 3;
    EXPECT_EQ(rgb[last], 255);
    EXPECT_EQ(rgb[last + 1], 0);
    EXPECT_EQ(rgb[last + 2], 0);
    std::filesystem::remove(path);
}

TEST_F(DisplayTest, OpenAndCloseCoverWindowAndRegistry) {
    EXPECT_TRUE(Platform::Scripted::IsMainWindowOpen());
    EXPECT_EQ(Platform::Scripted::GetMainWindowTitle(), "Drobix");
    // Whole-vector stores into rows of the back buffer must not straddle cache lines.
    EXPECT_EQ(reinterpret_cast<uintptr_t>(BackBufferPixels()) % 64, 0U);
    ASSERT_NE(BorderImage(), nullptr);
    EXPECT_EQ(PixelOf(BorderImage(), 0, 0), kGrey);
    EXPECT_EQ(PixelOf(FillImage(), 0, 0), 0);
    CreateBlankImage(3, 3, nullptr);
    CloseDisplay();
    EXPECT_EQ(CountImages(), 0U);
    EXPECT_FALSE(Platform::Scripted::IsMainWindowOpen());
    EXPECT_EQ(BackBufferPixels(), nullptr);
    // Drawing with the display closed is harmless.
    DrawImage(BorderImage(), 0, 0);
    FlipDisplay();
}

TEST_F(DisplayTest, WindowIconComesFromTheIconResource) {
    CloseDisplay();
    Testing::FakeResources::Add(ResourceId::kWindowIcon, "ICON",
                                Testing::SolidPng(32, 16, {1, 2, 3}));
    ASSERT_TRUE(OpenDisplay());
    EXPECT_EQ(Platform::Scripted::GetMainWindowIconWidth(), 32);
    EXPECT_EQ(Platform::Scripted::GetMainWindowIconHeight(), 16);
}

}  // namespace
}  // namespace Drobix

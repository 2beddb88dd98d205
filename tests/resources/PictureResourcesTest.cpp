// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "graphics/PixelBlit.h"
#include "platform/Resources.h"
#include "resources/PictureReader.h"
#include "resources/ResourceIds.h"

namespace Drobix {
namespace {

using Testing::DecodedPicture;
using Pixel = DecodedPicture::Pixel;

// ---- the backgrounds ----

constexpr std::array kGameBackgrounds{
    ResourceId::kGameBackgroundAurora, ResourceId::kGameBackgroundForge,
    ResourceId::kGameBackgroundDeepSea, ResourceId::kGameBackgroundNebula};

class Background : public testing::TestWithParam<int> {};

TEST_P(Background, IsABaselineThreeComponentJpegOf800By600) {
    const auto bytes = Platform::FindResource(GetParam(), "JPG");
    ASSERT_FALSE(bytes.empty());
    const auto picture = Testing::ReadJpeg(bytes);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 800);
    EXPECT_EQ(picture->height, 600);
    EXPECT_EQ(picture->channels, 3);
    EXPECT_EQ(picture->bitDepth, 8);
    EXPECT_TRUE(picture->baseline);
}

// The game shows pictures in 16 bits. Reduced without dithering, a smooth gradient falls into
// bands: long runs of one 16-bit colour along the rows (a fifth to a third of every picture
// before dithering). Dithered, a colour seldom holds for a run of that length.
TEST_P(Background, ShowsNoBandsInSixteenBits) {
    constexpr int kBandRun = 16;
    constexpr double kMostInBands = 0.05;
    const auto picture = Testing::ReadJpeg(Platform::FindResource(GetParam(), "JPG"));
    ASSERT_TRUE(picture.has_value());
    long inBands = 0;
    for (int y = 0; y < picture->height; ++y) {
        int run = 0;
        uint16_t previous = 0;
        for (int x = 0; x <= picture->width; ++x) {
            uint16_t shown = 0;
            if (x < picture->width) {
                const Pixel p = picture->At(x, y);
                shown = PackRgb565(p.r, p.g, p.b);
            }
            if (x > 0 && (x == picture->width || shown != previous)) {
                inBands += run >= kBandRun ? run : 0;
                run = 0;
            }
            previous = shown;
            ++run;
        }
    }
    const double share = static_cast<double>(inBands) / (picture->width * picture->height);
    RecordProperty("share_in_bands", std::to_string(share));
    EXPECT_LT(share, kMostInBands);
}

INSTANTIATE_TEST_SUITE_P(Pictures, Background,
                         testing::Values(ResourceId::kMenuBackground,
                                         ResourceId::kGameBackgroundAurora,
                                         ResourceId::kGameBackgroundForge,
                                         ResourceId::kGameBackgroundDeepSea,
                                         ResourceId::kGameBackgroundNebula));

// The game screen draws the board, the preview and the figures over the background: each
// game background keeps those places dark and quiet.
double MeanBrightness(const DecodedPicture& picture, int left, int top, int right, int bottom) {
    double sum = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const Pixel p = picture.At(x, y);
            sum += (p.r + p.g + p.b) / 3.0;
        }
    }
    return sum / ((right - left) * (bottom - top));
}

class GameBackground : public testing::TestWithParam<int> {};

TEST_P(GameBackground, KeepsTheWellThePreviewBoxAndTheFiguresDark) {
    const auto picture = Testing::ReadJpeg(Platform::FindResource(GetParam(), "JPG"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_LT(MeanBrightness(*picture, 270, 40, 529, 559), 24);   // the board's cells
    EXPECT_LT(MeanBrightness(*picture, 544, 188, 648, 292), 24);  // the preview
    EXPECT_LT(MeanBrightness(*picture, 554, 317, 700, 547), 40);  // the figures
}

TEST_P(GameBackground, DiffersFromTheOtherGameBackgrounds) {
    const auto picture = Testing::ReadJpeg(Platform::FindResource(GetParam(), "JPG"));
    ASSERT_TRUE(picture.has_value());
    for (const int other : kGameBackgrounds) {
        if (other == GetParam()) {
            continue;
        }
        const auto second = Testing::ReadJpeg(Platform::FindResource(other, "JPG"));
        ASSERT_TRUE(second.has_value());
        // Left of the well, where each mood shows most.
        double difference = 0;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 250; ++x) {
                const Pixel a = picture->At(x, y);
                const Pixel b = second->At(x, y);
                difference += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
            }
        }
        EXPECT_GT(difference / (600 * 250 * 3), 8) << GetParam() << " against " << other;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, GameBackground, testing::ValuesIn(kGameBackgrounds));

// ---- the block sprite sheet ----

const Pixel kFaceColours[15] = {
    {124, 92, 169}, {176, 226, 237}, {72, 150, 55},   {173, 177, 0}, {219, 39, 45},
    {13, 106, 147}, {239, 149, 0},   {211, 0, 166},   {0, 179, 140}, {154, 25, 0},
    {0, 102, 217},  {91, 99, 18},    {196, 175, 233}, {81, 211, 0},  {123, 125, 123},
};

int Brightness(Pixel p) {
    return p.r + p.g + p.b;
}

class BlockSheet : public testing::Test {
protected:
    void SetUp() override {
        const auto bytes = Platform::FindResource(ResourceId::kBlockSpriteSheet, "PNG");
        ASSERT_FALSE(bytes.empty());
        auto decoded = Testing::ReadPng(bytes);
        ASSERT_TRUE(decoded.has_value());
        sheet = std::move(*decoded);
    }
    Pixel Face(int band, int x, int y) const { return sheet.At(x, 25 * band + y); }

    DecodedPicture sheet;
};

TEST_F(BlockSheet, IsA43By375PalettePicture) {
    EXPECT_EQ(sheet.width, 43);
    EXPECT_EQ(sheet.height, 375);
    EXPECT_EQ(sheet.bitDepth, 8);
    EXPECT_EQ(sheet.colourType, 3);
}

TEST_F(BlockSheet, EachBandsCentreIsItsFaceColourAndTheFaceDarkensToItsEdge) {
    for (int band = 0; band < 15; ++band) {
        EXPECT_EQ(Face(band, 12, 12), kFaceColours[band]) << "band " << band;
        for (int i = 0; i < 25; ++i) {
            for (const Pixel edge :
                 {Face(band, i, 0), Face(band, i, 24), Face(band, 0, i), Face(band, 24, i)}) {
                EXPECT_LT(Brightness(edge), Brightness(kFaceColours[band])) << "band " << band;
            }
        }
        // Lighter in the middle than between the middle and the edge.
        EXPECT_LT(Brightness(Face(band, 4, 12)), Brightness(Face(band, 12, 12)));
        EXPECT_LT(Brightness(Face(band, 12, 20)), Brightness(Face(band, 12, 12)));
    }
}

// Joined cells are bridged with columns 2..6 (or rows 2..6) of the face, which cover the
// neighbour's last two columns, the gap and the cell's first two. The face is flat across
// 2..6 and 18..22, so the bridge meets both cells without a seam.
TEST_F(BlockSheet, JoinStripsMatchTheFaceTheyMeet) {
    for (int band = 0; band < 15; ++band) {
        for (int i = 0; i < 25; ++i) {
            for (int k = 2; k <= 6; ++k) {
                EXPECT_EQ(Face(band, k, i), Face(band, 22, i)) << "band " << band;
                EXPECT_EQ(Face(band, 18 + k - 2, i), Face(band, 22, i)) << "band " << band;
                EXPECT_EQ(Face(band, i, k), Face(band, i, 22)) << "band " << band;
                EXPECT_EQ(Face(band, i, 18 + k - 2), Face(band, i, 22)) << "band " << band;
            }
        }
        // The square that fills the crossing of four joined cells is drawn keyed: none of it
        // may be black.
        for (int y = 2; y <= 6; ++y) {
            for (int x = 2; x <= 6; ++x) {
                const Pixel p = Face(band, x, y);
                EXPECT_FALSE((p.r >> 3) == 0 && (p.g >> 2) == 0 && (p.b >> 3) == 0);
            }
        }
    }
}

TEST_F(BlockSheet, CornerPiecesRoundTheFacesCornersAndMatchItInside) {
    struct Corner {
        int sheetX, sheetY, faceX, faceY, outerX, outerY;
    };
    const Corner corners[] = {
        {26, 0, 0, 0, 0, 0},    // top left
        {26, 9, 0, 17, 0, 7},   // bottom left
        {35, 0, 17, 0, 7, 0},   // top right
        {35, 9, 17, 17, 7, 7},  // bottom right
    };
    for (int band = 0; band < 15; ++band) {
        for (const Corner& c : corners) {
            const Pixel outer = sheet.At(c.sheetX + c.outerX, 25 * band + c.sheetY + c.outerY);
            EXPECT_EQ(outer, (Pixel{0, 0, 0})) << "band " << band << ": the corner is cut off";
            // Away from the rounding, the piece is the face.
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8; ++x) {
                    const int fx = c.faceX + x;
                    const int fy = c.faceY + y;
                    const bool nearCorner = (fx < 5 || fx > 19) && (fy < 5 || fy > 19);
                    if (!nearCorner) {
                        EXPECT_EQ(sheet.At(c.sheetX + x, 25 * band + c.sheetY + y),
                                  Face(band, fx, fy))
                            << "band " << band << " at " << fx << "," << fy;
                    }
                }
            }
        }
    }
}

// ---- the small pictures ----

TEST(SmallPictures, TheOnePixelColoursAreExact) {
    const auto fill = Testing::ReadPng(Platform::FindResource(ResourceId::kBlackPixel, "PNG"));
    const auto border = Testing::ReadPng(Platform::FindResource(ResourceId::kGreyPixel, "PNG"));
    ASSERT_TRUE(fill.has_value());
    ASSERT_TRUE(border.has_value());
    EXPECT_EQ(fill->width, 1);
    EXPECT_EQ(fill->height, 1);
    EXPECT_EQ(fill->At(0, 0), (Pixel{0, 0, 0}));
    EXPECT_EQ(border->width, 1);
    EXPECT_EQ(border->height, 1);
    EXPECT_EQ(border->At(0, 0), (Pixel{66, 63, 63}));
}

TEST(SmallPictures, TheCheckerAlternatesSingleBlackAndWhitePixels) {
    const auto checker =
        Testing::ReadPng(Platform::FindResource(ResourceId::kCheckerOverlay, "PNG"));
    ASSERT_TRUE(checker.has_value());
    EXPECT_EQ(checker->width, 80);
    EXPECT_EQ(checker->height, 60);
    EXPECT_EQ(checker->bitDepth, 8);
    EXPECT_EQ(checker->colourType, 3);
    const Pixel first = checker->At(0, 0);
    const Pixel second = first == Pixel{0, 0, 0} ? Pixel{255, 255, 255} : Pixel{0, 0, 0};
    ASSERT_TRUE(first == (Pixel{0, 0, 0}) || first == (Pixel{255, 255, 255}));
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 80; ++x) {
            ASSERT_EQ(checker->At(x, y), (x + y) % 2 == 0 ? first : second) << x << "," << y;
        }
    }
}

TEST(SmallPictures, TheHiddenPreviewSignIsARedMarkOnBlack) {
    const auto sign =
        Testing::ReadPng(Platform::FindResource(ResourceId::kHiddenPreviewSign, "PNG"));
    ASSERT_TRUE(sign.has_value());
    EXPECT_EQ(sign->width, 104);
    EXPECT_EQ(sign->height, 104);
    EXPECT_EQ(sign->bitDepth, 8);
    EXPECT_EQ(sign->colourType, 3);
    for (int corner = 0; corner < 4; ++corner) {
        EXPECT_EQ(sign->At(corner % 2 * 103, corner / 2 * 103), (Pixel{0, 0, 0}));
    }
    int red = 0;
    for (int y = 0; y < 104; ++y) {
        for (int x = 0; x < 104; ++x) {
            const Pixel p = sign->At(x, y);
            red += (p.r > 180 && p.g < 90 && p.b < 90) ? 1 : 0;
        }
    }
    EXPECT_GT(red, 600);
}

TEST(SmallPictures, TheIconIsAPngUnderItsOwnType) {
    const auto bytes = Platform::FindResource(ResourceId::kWindowIcon, "ICON");
    ASSERT_FALSE(bytes.empty());
    const auto icon = Testing::ReadPng(bytes);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->width, 32);
    EXPECT_EQ(icon->height, 32);
    EXPECT_TRUE(Platform::FindResource(ResourceId::kWindowIcon, "PNG").empty());
}

}  // namespace
}  // namespace Drobix

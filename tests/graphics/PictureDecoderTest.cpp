// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/PictureDecoder.h"

#include <gtest/gtest.h>

#include "graphics/ImageSurface.h"
#include "graphics/TestPictures.h"

namespace Drobix {
namespace {

using Testing::Rgb;

std::vector<uint8_t> Rgba(const DecodedPicture& picture, int x, int y) {
    const size_t at = (static_cast<size_t>(y) * picture.width + x) * 4;
    return {picture.rgba.begin() + at, picture.rgba.begin() + at + 4};
}

TEST(PictureDecoderTest, DecodesRgbAndPalettePngsExactly) {
    const DecodedPicture rgb =
        DecodePng(Testing::EncodeRgbPng(2, 2, {{1, 2, 3}, {66, 63, 63}, {255, 0, 0}, {0, 0, 0}}));
    ASSERT_EQ(rgb.width, 2);
    ASSERT_EQ(rgb.height, 2);
    EXPECT_EQ(Rgba(rgb, 1, 0), (std::vector<uint8_t>{66, 63, 63, 255}));
    EXPECT_EQ(Rgba(rgb, 0, 1), (std::vector<uint8_t>{255, 0, 0, 255}));

    const DecodedPicture palette = DecodePng(
        Testing::EncodePalettePng(3, 1, {2, 0, 1}, {{10, 20, 30}, {0, 255, 0}, {7, 8, 9}}));
    ASSERT_EQ(palette.width, 3);
    EXPECT_EQ(Rgba(palette, 0, 0), (std::vector<uint8_t>{7, 8, 9, 255}));
    EXPECT_EQ(Rgba(palette, 2, 0), (std::vector<uint8_t>{0, 255, 0, 255}));
}

TEST(PictureDecoderTest, DecodesBaselineJpeg) {
    const DecodedPicture picture =
        DecodeJpeg(Testing::EncodeJpeg(16, 8, std::vector<Rgb>(128, {200, 100, 50})));
    ASSERT_EQ(picture.width, 16);
    ASSERT_EQ(picture.height, 8);
    const auto pixel = Rgba(picture, 5, 5);
    EXPECT_NEAR(pixel[0], 200, 3);
    EXPECT_NEAR(pixel[1], 100, 3);
    EXPECT_NEAR(pixel[2], 50, 3);
    EXPECT_EQ(pixel[3], 255);
}

TEST(PictureDecoderTest, BrokenPicturesDecodeAsEmpty) {
    const std::vector<uint8_t> png = Testing::EncodeRgbPng(4, 4, std::vector<Rgb>(16, {9, 9, 9}));
    const std::vector<uint8_t> jpeg = Testing::EncodeJpeg(8, 8, std::vector<Rgb>(64, {9, 9, 9}));
    const std::vector<uint8_t> garbage(100, 0xAB);
    const std::vector<std::vector<uint8_t>> brokenPngs = {
        {}, garbage, {png.begin(), png.begin() + 40}, {png.begin(), png.end() - 20}};
    for (const auto& bytes : brokenPngs) {
        const DecodedPicture picture = DecodePng(bytes);
        EXPECT_TRUE(picture.IsEmpty());
        EXPECT_TRUE(picture.rgba.empty());
        EXPECT_FALSE(picture.error.empty());
    }
    const std::vector<std::vector<uint8_t>> brokenJpegs = {
        {}, garbage, {jpeg.begin(), jpeg.begin() + 30}, png};
    for (const auto& bytes : brokenJpegs) {
        const DecodedPicture picture = DecodeJpeg(bytes);
        EXPECT_TRUE(picture.IsEmpty());
        EXPECT_FALSE(picture.error.empty());
    }
}

TEST(PictureDecoderTest, PicturesBeyondTheSizeLimitAreRefused) {
    const int wide = kMaxPictureSide + 1;
    const DecodedPicture picture =
        DecodePng(Testing::EncodeRgbPng(wide, 1, std::vector<Rgb>(wide, {1, 1, 1})));
    EXPECT_TRUE(picture.IsEmpty());
}

TEST(PictureDecoderTest, ResourcesAreFoundByIdAndKind) {
    const Testing::FakeResources resources;
    Testing::FakeResources::Add(500, "PNG", Testing::SolidPng(3, 2, {1, 2, 3}));
    EXPECT_EQ(DecodePictureResource(500, ImageKind::Png).width, 3);
    const DecodedPicture wrongType = DecodePictureResource(500, ImageKind::Jpg);
    EXPECT_TRUE(wrongType.IsEmpty());
    EXPECT_EQ(wrongType.error, "Unable to load resource!");
    EXPECT_TRUE(DecodePictureResource(500, ImageKind::Blank).IsEmpty());
    EXPECT_TRUE(DecodePictureResource(501, ImageKind::Png).IsEmpty());
}

}  // namespace
}  // namespace Drobix

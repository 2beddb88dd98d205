// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include "VectorPaths.h"
#include "platform/Presenter.h"

namespace Drobix::Platform {
namespace {

class PresenterPixelsTest : public Drobix::Testing::VectorPathTest {};

// Every 16-bit value, at every position of the vector lanes and in the scalar tail, becomes an
// opaque pixel whose channels are the bit-replicated 5-6-5 channels.
TEST_P(PresenterPixelsTest, ConvertsEveryValueWithBitReplication) {
    constexpr int kCount = 65536 + 13;
    std::vector<uint16_t> source(kCount);
    for (int i = 0; i < kCount; ++i) {
        source[i] = static_cast<uint16_t>(i * 40503);  // an odd step visits every value
    }
    std::vector<uint32_t> target(kCount + 1, 0xDEADBEEF);
    ConvertRgb565ToXrgb8888(source.data(), target.data(), kCount);
    for (int i = 0; i < kCount; ++i) {
        const uint16_t pixel = source[i];
        const uint32_t expected = 0xFF000000U | (uint32_t{ExpandRed(pixel)} << 16) |
                                  (uint32_t{ExpandGreen(pixel)} << 8) | ExpandBlue(pixel);
        ASSERT_EQ(target[i], expected) << "pixel " << i << " value " << pixel;
    }
    EXPECT_EQ(target[kCount], 0xDEADBEEFU);
    EXPECT_EQ(ExpandRed(0xF800), 255);
    EXPECT_EQ(ExpandGreen(0x0400), 130);  // 100000b -> 10000010b
    EXPECT_EQ(ExpandBlue(0x0001), 8);     // 00001b -> 00001000b
}

INSTANTIATE_TEST_SUITE_P(VectorPaths, PresenterPixelsTest, testing::Bool(),
                         Drobix::Testing::VectorPathName);

}  // namespace
}  // namespace Drobix::Platform

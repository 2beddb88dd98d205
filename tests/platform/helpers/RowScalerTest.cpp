// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VectorPaths.h"
#include "platform/helpers/RowScaler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace Drobix::Platform {
namespace {

class RowScalerTest : public Drobix::Testing::VectorPathTest {};

std::vector<uint32_t> Ramp(int count) {
    std::vector<uint32_t> pixels(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        pixels[static_cast<size_t>(i)] = 0xFF000000U | static_cast<uint32_t>(i * 7919);
    }
    return pixels;
}

TEST_P(RowScalerTest, EveryTargetPixelTakesItsNearestSourcePixel) {
    // Widened by whole and broken factors, to a width that is no multiple of eight, narrowed,
    // and one pixel wider, where the last block would reach past the source row.
    for (const int width : {800, 1280, 1366, 1920, 801, 807, 3840, 640, 333, 1}) {
        RowScaler scaler;
        scaler.Prepare(800, width);
        ASSERT_EQ(scaler.GetTargetWidth(), width);
        const std::vector<uint32_t> source = Ramp(800);
        // A guard pixel after the row shows that nothing is written past it.
        std::vector<uint32_t> target(static_cast<size_t>(width) + 1, 0xDEADBEEFU);
        scaler.Scale(source.data(), target.data());
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(target[static_cast<size_t>(x)], source[static_cast<size_t>(x) * 800 / width])
                << "width " << width << ", pixel " << x;
        }
        EXPECT_EQ(target.back(), 0xDEADBEEFU) << width;
    }
}

TEST_P(RowScalerTest, EmptyWidthsScaleNothing) {
    RowScaler scaler;
    scaler.Prepare(800, 0);
    EXPECT_EQ(scaler.GetTargetWidth(), 0);
    scaler.Prepare(0, 1280);
    EXPECT_EQ(scaler.GetTargetWidth(), 0);
    uint32_t untouched = 7;
    scaler.Scale(nullptr, &untouched);
    EXPECT_EQ(untouched, 7U);
}

INSTANTIATE_TEST_SUITE_P(VectorPaths, RowScalerTest, testing::Bool(),
                         Drobix::Testing::VectorPathName);

}  // namespace
}  // namespace Drobix::Platform

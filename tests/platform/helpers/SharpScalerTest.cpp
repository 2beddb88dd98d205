// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SharpScaled.h"
#include "VectorPaths.h"
#include "platform/helpers/SharpScaler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace Drobix::Platform {
namespace {

class SharpScalerTest : public Drobix::Testing::VectorPathTest {};

constexpr int kWidth = 800;
constexpr int kHeight = 600;

using Picture = std::vector<uint32_t>;

// A frame with every kind of edge: a pseudo-random field of colours.
Picture Noise(int width, int height) {
    Picture picture(static_cast<size_t>(width) * height);
    uint32_t state = 12345;
    for (uint32_t& pixel : picture) {
        state = state * 1103515245U + 12345U;
        pixel = 0xFF000000U | (state >> 8);
    }
    return picture;
}

// The whole picture scaled as the framebuffer presenter does it: each window row from its two
// frame rows, each scaled across, then blended.
Picture Scale(const Picture& source, int targetWidth, int targetHeight) {
    return Drobix::Testing::SharpScaled(source, kWidth, kHeight, targetWidth, targetHeight);
}

// Sharp bilinear in floating point, straight from its definition: the target pixel's centre in
// the source enlarged by the whole factor, bilinear between enlarged pixels.
double Reference(const Picture& source, int targetWidth, int targetHeight, int x, int y,
                 int shift) {
    const auto axis = [](int size, int target, int at, int& first, int& second) {
        const int factor = std::max(1, target / size);
        const double position = (at + 0.5) * size * factor / target - 0.5;
        const int left = std::clamp(static_cast<int>(std::floor(position)), 0, size * factor - 1);
        const int right =
            std::clamp(static_cast<int>(std::floor(position)) + 1, 0, size * factor - 1);
        first = left / factor;
        second = right / factor;
        return first == second ? 0.0 : position - std::floor(position);
    };
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    const double fx = axis(kWidth, targetWidth, x, x0, x1);
    const double fy = axis(kHeight, targetHeight, y, y0, y1);
    const auto channel = [&](int px, int py) {
        return static_cast<double>((source[static_cast<size_t>(py) * kWidth + px] >> shift) & 0xFF);
    };
    const double top = channel(x0, y0) * (1 - fx) + channel(x1, y0) * fx;
    const double bottom = channel(x0, y1) * (1 - fx) + channel(x1, y1) * fx;
    return top * (1 - fy) + bottom * fy;
}

TEST_P(SharpScalerTest, WholeFactorCopiesEveryPixelExactly) {
    const Picture source = Noise(kWidth, kHeight);
    for (const int factor : {1, 2}) {
        SCOPED_TRACE(factor);
        const Picture target = Scale(source, kWidth * factor, kHeight * factor);
        for (int y = 0; y < kHeight * factor; ++y) {
            for (int x = 0; x < kWidth * factor; ++x) {
                ASSERT_EQ(target[static_cast<size_t>(y) * kWidth * factor + x],
                          source[static_cast<size_t>(y / factor) * kWidth + x / factor])
                    << x << "," << y;
            }
        }
    }
}

TEST_P(SharpScalerTest, BrokenFactorsMatchTheReferenceWithinRounding) {
    const Picture source = Noise(kWidth, kHeight);
    // 1.8x (1440 x 1080), 1.28x (1024 x 768) and 2.4x (1920 x 1440, enlarged twice first).
    for (const auto& [width, height] : {std::pair{1440, 1080}, {1024, 768}, {1920, 1440}}) {
        SCOPED_TRACE(width);
        const Picture target = Scale(source, width, height);
        for (int y = 0; y < height; y += 7) {
            for (int x = 0; x < width; ++x) {
                const uint32_t pixel = target[static_cast<size_t>(y) * width + x];
                ASSERT_EQ(pixel >> 24, 0xFFU);
                for (const int shift : {0, 8, 16}) {
                    const double expected = Reference(source, width, height, x, y, shift);
                    // Two blends with weights in 256ths, each rounded.
                    ASSERT_NEAR(static_cast<double>((pixel >> shift) & 0xFF), expected, 2.0)
                        << x << "," << y << " channel " << shift;
                }
            }
        }
    }
}

TEST_P(SharpScalerTest, OnePixelStrokesComeOutEquallyStrongWhereverTheyFallAt1Point8) {
    // White columns one pixel wide, four apart, on black: at 1.8x they fall on every phase of
    // the target grid. Nearest neighbour would make them 1 or 2 pixels (255 or 510 in total);
    // smoothed, each carries 1.8 x 255 within 6 %, over at most 4 pixels.
    Picture source(static_cast<size_t>(kWidth) * kHeight, 0xFF000000U);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 2; x < kWidth - 2; x += 4) {
            source[static_cast<size_t>(y) * kWidth + x] = 0xFFFFFFFFU;
        }
    }
    constexpr int kTargetWidth = 1440;
    const Picture target = Scale(source, kTargetWidth, 1080);
    const uint32_t* row = target.data() + static_cast<size_t>(500) * kTargetWidth;
    int strokes = 0;
    for (int x = 0; x < kTargetWidth;) {
        if ((row[x] & 0xFF) == 0) {
            ++x;
            continue;
        }
        int total = 0;
        int width = 0;
        for (; x < kTargetWidth && (row[x] & 0xFF) != 0; ++x, ++width) {
            total += static_cast<int>(row[x] & 0xFF);
        }
        ++strokes;
        EXPECT_NEAR(total, 459, 28) << "stroke " << strokes;
        EXPECT_LE(width, 4) << "stroke " << strokes;
    }
    EXPECT_EQ(strokes, 199);
}

// One channel of a pixel blended towards another by weight 256ths, rounded to nearest.
uint32_t BlendedChannel(uint32_t first, uint32_t second, uint32_t weight, int shift) {
    const uint32_t a = (first >> shift) & 0xFF;
    const uint32_t b = (second >> shift) & 0xFF;
    return (a * (SharpScaler::kWeightOne - weight) + b * weight + 128) / SharpScaler::kWeightOne;
}

// Each target column is its two source taps blended exactly, over any run of columns (the vector
// loops' heads and tails included), scaling up, at a whole factor and down.
TEST_P(SharpScalerTest, EveryColumnIsItsTapsBlendedExactly) {
    const Picture source = Noise(kWidth, 1);
    for (const int targetWidth : {1024, 1440, 1920, 801, 1600, 640}) {
        SharpScaler scaler;
        scaler.Prepare(kWidth, 1, targetWidth, 1);
        for (const auto& [first, last] : {std::pair{0, targetWidth}, std::pair{3, 20},
                                          std::pair{targetWidth - 13, targetWidth}}) {
            SCOPED_TRACE(testing::Message() << targetWidth << " " << first << "-" << last);
            Picture target(static_cast<size_t>(targetWidth), 0);
            scaler.ScaleRow(source.data(), target.data(), first, last);
            for (int x = first; x < last; ++x) {
                const SharpScaler::Taps& taps = scaler.ColumnTaps(x);
                const uint32_t left = source[static_cast<size_t>(taps.first)];
                const uint32_t right = source[static_cast<size_t>(taps.second)];
                uint32_t expected = 0xFF000000U;
                for (const int shift : {0, 8, 16}) {
                    expected |= BlendedChannel(left, right, taps.weight, shift) << shift;
                }
                ASSERT_EQ(target[static_cast<size_t>(x)], expected) << x;
            }
        }
    }
}

// Two rows blend per channel with rounding, over the vector loop and its tail, at every weight
// from copying the first to copying the second.
TEST_P(SharpScalerTest, RowsBlendExactly) {
    const Picture upper = Noise(kWidth + 7, 1);
    const Picture lower = Noise(kWidth + 7, 2);
    for (const uint32_t weight : {0U, 1U, 100U, 128U, 255U, 256U}) {
        Picture target(upper.size(), 0);
        SharpScaler::BlendRows(upper.data(), lower.data() + upper.size(), weight, target.data(),
                               static_cast<int>(target.size()));
        for (size_t x = 0; x < target.size(); ++x) {
            uint32_t expected = 0xFF000000U;
            for (const int shift : {0, 8, 16}) {
                expected |= BlendedChannel(upper[x], lower[upper.size() + x], weight, shift)
                            << shift;
            }
            ASSERT_EQ(target[x], expected) << "weight " << weight << " at " << x;
        }
    }
}

// Every target row that reads a run of source rows is among those said to draw on it, so that a
// presenter that scales only those misses no row that changed; and they are few.
TEST_P(SharpScalerTest, TargetRowsHoldEveryRowThatReadsTheSourceRows) {
    for (const int targetHeight : {600, 768, 1080, 1200}) {
        SharpScaler scaler;
        scaler.Prepare(kWidth, 600, kWidth, targetHeight);
        for (const auto& [top, bottom] : {std::pair{0, 1}, std::pair{96, 112}, std::pair{552, 568},
                                          std::pair{599, 600}, std::pair{10, 10}}) {
            SCOPED_TRACE(testing::Message() << targetHeight << " " << top << "-" << bottom);
            const auto [first, last] = scaler.TargetRows(top, bottom);
            const auto inside = [&](int row) { return row >= top && row < bottom; };
            for (int y = 0; y < targetHeight; ++y) {
                const SharpScaler::Taps& taps = scaler.RowTaps(y);
                const bool reads = inside(taps.first) || (taps.weight != 0 && inside(taps.second));
                if (reads) {
                    ASSERT_TRUE(y >= first && y < last) << y;
                }
            }
            EXPECT_LE(last - first, (bottom - top) * targetHeight / 600 + 2);
        }
    }
}

// The target columns said to draw on a run of source columns are exactly those whose taps reach
// into it, at whole and broken factors; a row scaled over them alone agrees with the whole row.
TEST_P(SharpScalerTest, TargetColumnsAreExactlyThoseThatDrawOnTheSourceColumns) {
    const Picture source = Noise(kWidth, 1);
    for (const int targetWidth : {800, 1024, 1440, 1600}) {
        SharpScaler scaler;
        scaler.Prepare(kWidth, 1, targetWidth, 1);
        Picture whole(static_cast<size_t>(targetWidth));
        scaler.ScaleRow(source.data(), whole.data(), 0, targetWidth);
        for (const auto& [left, right] : {std::pair{0, 1}, std::pair{96, 112}, std::pair{399, 401},
                                          std::pair{624, 800}, std::pair{10, 10}}) {
            SCOPED_TRACE(testing::Message() << targetWidth << " " << left << "-" << right);
            const auto [first, last] = scaler.TargetColumns(left, right);
            // Scaled over those columns alone: the same pixels there, nothing elsewhere.
            Picture part(static_cast<size_t>(targetWidth), 0);
            scaler.ScaleRow(source.data(), part.data(), first, last);
            for (int x = 0; x < targetWidth; ++x) {
                const bool inside = x >= first && x < last;
                ASSERT_EQ(part[static_cast<size_t>(x)], inside ? whole[static_cast<size_t>(x)] : 0U)
                    << x;
            }
            // They read only the source columns said: the others may hold anything.
            const auto [sourceLeft, sourceRight] = scaler.SourceColumns(first, last);
            Picture partial(source.size(), 0xFF123456U);
            std::copy(source.begin() + sourceLeft, source.begin() + sourceRight,
                      partial.begin() + sourceLeft);
            Picture fromPartial(static_cast<size_t>(targetWidth), 0);
            scaler.ScaleRow(partial.data(), fromPartial.data(), first, last);
            EXPECT_EQ(fromPartial, part);
            if (left == right) {
                EXPECT_EQ(first, last);
                continue;
            }
            // A change of the run's source columns shows in those target columns and no others.
            Picture marked(source);
            for (int c = left; c < right; ++c) {
                marked[static_cast<size_t>(c)] ^= 0x00FFFFFFU;
            }
            Picture remarked(static_cast<size_t>(targetWidth));
            scaler.ScaleRow(marked.data(), remarked.data(), 0, targetWidth);
            for (int x = 0; x < targetWidth; ++x) {
                const bool differs =
                    remarked[static_cast<size_t>(x)] != whole[static_cast<size_t>(x)];
                ASSERT_EQ(differs, x >= first && x < last) << x;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(VectorPaths, SharpScalerTest, testing::Bool(),
                         Drobix::Testing::VectorPathName);

}  // namespace
}  // namespace Drobix::Platform

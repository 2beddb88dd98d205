// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shape patterns as a player with a colour-vision deficiency, or a grey screen, shows them:
// a board with every shape drawn from the built-in sprite sheets, each shape's cell picture
// compared with every other's after the picture is turned as such a player sees it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "game/BlockFactory.h"
#include "game/Board.h"
#include "game/BoardLayout.h"
#include "graphics/Display.h"
#include "graphics/TestPictures.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"
#include "resources/ResourceIds.h"
#include "screens/game/DrawGrid.h"
#include "storage/Preferences.h"

namespace Drobix {
namespace {

// Two cell pictures differ clearly when, on average over the inside of the face (where the
// patterns lie, 19 x 19 pixels), their pixels differ by at least this much on the 0..255 scale:
// about the step between neighbouring shades of a palette of sixteen greys.
constexpr double kClearDifference = 16.0;
constexpr int kInset = 3;
constexpr int kInside = 19;

// Simulation of dichromacy at full severity on linear RGB: Machado, Oliveira and Fernandes, "A
// Physiologically-based Model for Simulation of Color Vision Deficiency", IEEE Transactions on
// Visualization and Computer Graphics 15(6), 2009, table of matrices, severity 1.0.
using Matrix = std::array<std::array<double, 3>, 3>;
constexpr Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                 {0.114503, 0.786281, 0.099216},
                                 {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                   {0.280085, 0.672501, 0.047413},
                                   {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia = {{{1.255528, -0.076749, -0.178779},
                                 {-0.078411, 0.930809, 0.147602},
                                 {0.004733, 0.691367, 0.303900}}};

struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
};

double ToLinear(double encoded) {
    const double c = encoded / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double ToEncoded(double linear) {
    const double c = std::clamp(linear, 0.0, 1.0);
    return 255.0 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055);
}

enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia, Grey };

const char* NameOf(Vision vision) {
    switch (vision) {
        case Vision::Normal:
            return "normal";
        case Vision::Protanopia:
            return "protanopia";
        case Vision::Deuteranopia:
            return "deuteranopia";
        case Vision::Tritanopia:
            return "tritanopia";
        case Vision::Grey:
            return "grey";
    }
    return "";
}

Colour Apply(const Matrix& m, Colour linear) {
    return {m[0][0] * linear.r + m[0][1] * linear.g + m[0][2] * linear.b,
            m[1][0] * linear.r + m[1][1] * linear.g + m[1][2] * linear.b,
            m[2][0] * linear.r + m[2][1] * linear.g + m[2][2] * linear.b};
}

// The pixel as seen, in encoded 0..255 channels.
Colour Seen(Testing::Rgb pixel, Vision vision) {
    const Colour linear{ToLinear(pixel.red), ToLinear(pixel.green), ToLinear(pixel.blue)};
    Colour seen = linear;
    switch (vision) {
        case Vision::Normal:
            break;
        case Vision::Protanopia:
            seen = Apply(kProtanopia, linear);
            break;
        case Vision::Deuteranopia:
            seen = Apply(kDeuteranopia, linear);
            break;
        case Vision::Tritanopia:
            seen = Apply(kTritanopia, linear);
            break;
        case Vision::Grey: {
            // Relative luminance.
            const double y = 0.2126 * linear.r + 0.7152 * linear.g + 0.0722 * linear.b;
            seen = {y, y, y};
            break;
        }
    }
    return {ToEncoded(seen.r), ToEncoded(seen.g), ToEncoded(seen.b)};
}

using CellPicture = std::vector<Colour>;

CellPicture PictureAt(const uint16_t* screen, int x0, int y0, Vision vision) {
    CellPicture picture;
    for (int y = y0 + kInset; y < y0 + kInset + kInside; ++y) {
        for (int x = x0 + kInset; x < x0 + kInset + kInside; ++x) {
            picture.push_back(Seen(Testing::RgbOf(screen[y * kScreenWidth + x]), vision));
        }
    }
    return picture;
}

// The mean over the pixels of the mean difference of their three channels.
double Difference(const CellPicture& a, const CellPicture& b) {
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        sum += (std::abs(a[i].r - b[i].r) + std::abs(a[i].g - b[i].g) + std::abs(a[i].b - b[i].b)) /
               3.0;
    }
    return sum / static_cast<double>(a.size());
}

struct ClosestPair {
    double difference = 1e9;
    int first = 0;
    int second = 0;
};

ClosestPair Closest(const std::vector<CellPicture>& pictures) {
    ClosestPair closest;
    for (int a = 0; a < kShapeCount; ++a) {
        for (int b = a + 1; b < kShapeCount; ++b) {
            const double difference = Difference(pictures[a], pictures[b]);
            if (difference < closest.difference) {
                closest = {difference, a, b};
            }
        }
    }
    return closest;
}

class CellPatternsTest : public testing::Test {
protected:
    // Shapes lie five cells apart in three rows of five, so that none touches another.
    static constexpr unsigned kSpacing = 5;
    static constexpr unsigned kShapesPerRow = 5;

    void SetUp() override {
        ASSERT_FALSE(Platform::FindResource(ResourceId::kShapePatternSheet, "PNG").empty());
        ASSERT_TRUE(OpenDisplay());
    }
    void TearDown() override {
        GetPreferences() = Preferences{};
        DestroyAllBlocks();
        CloseDisplay();
    }

    // Every shape on one board, drawn at the screen's top left; colour -1 gives each shape its
    // own colour, any other colour gives it to all of them. Where each shape's first cell is.
    std::vector<std::pair<int, int>> DrawEveryShape(bool patterns, int colour = -1) {
        GetPreferences().patterns = patterns;
        const Rect screen{0, 0, kScreenWidth, kScreenHeight};
        DrawPanel(&screen, false);
        Board board(3 * kSpacing, kShapesPerRow * kSpacing);
        std::vector<std::pair<int, int>> firstCells;
        for (int shape = 0; shape < kShapeCount; ++shape) {
            Block* block = colour < 0 ? CreateBlock(shape) : ShapeInColour(shape, colour);
            const auto row = static_cast<int>(shape / kShapesPerRow * kSpacing);
            const auto column = static_cast<int>(shape % kShapesPerRow * kSpacing);
            board.Place(*block, row, column);
            unsigned firstColumn = 0;
            while (!block->IsCellFilled(0, firstColumn)) {
                ++firstColumn;
            }
            firstCells.emplace_back(kCellPitch * (column + static_cast<int>(firstColumn)),
                                    kCellPitch * row);
        }
        DrawGrid(board, 0, 0);
        return firstCells;
    }

    // A block of the shape with the given colour, as random colours may make it.
    Block* ShapeInColour(int shape, int colour) {
        const Block* made = CreateBlock(shape);
        blocks_.push_back(
            std::make_unique<Block>(made->GetRowCount(), made->GetColumnCount(), colour, shape));
        Block* block = blocks_.back().get();
        for (unsigned row = 0; row < made->GetRowCount(); ++row) {
            for (unsigned col = 0; col < made->GetColumnCount(); ++col) {
                if (made->IsCellFilled(row, col)) {
                    block->SetCell(row, col);
                }
            }
        }
        return block;
    }

    static std::vector<CellPicture> Pictures(const std::vector<std::pair<int, int>>& cells,
                                             Vision vision) {
        CompleteFrame();
        const uint16_t* screen = BackBufferPixels();
        std::vector<CellPicture> pictures;
        for (const auto& [x, y] : cells) {
            pictures.push_back(PictureAt(screen, x, y, vision));
        }
        return pictures;
    }

    std::vector<std::unique_ptr<Block>> blocks_;
};

constexpr Vision kDeficient[] = {Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia,
                                 Vision::Grey};

// With each shape in its fixed colour, every two shapes differ clearly however they are seen.
// Without the patterns, colour alone does not do it for every vision: the measure tells.
TEST_F(CellPatternsTest, EveryTwoShapesDifferClearlyInEveryVision) {
    const auto cells = DrawEveryShape(true);
    for (const Vision vision : kDeficient) {
        const ClosestPair closest = Closest(Pictures(cells, vision));
        std::printf("patterns, %s: closest shapes %d and %d, %.1f apart\n", NameOf(vision),
                    closest.first, closest.second, closest.difference);
        EXPECT_GE(closest.difference, kClearDifference)
            << NameOf(vision) << ": shapes " << closest.first << " and " << closest.second;
    }

    const auto plainCells = DrawEveryShape(false);
    double smallest = 1e9;
    for (const Vision vision : kDeficient) {
        const ClosestPair closest = Closest(Pictures(plainCells, vision));
        std::printf("colour only, %s: closest shapes %d and %d, %.1f apart\n", NameOf(vision),
                    closest.first, closest.second, closest.difference);
        smallest = std::min(smallest, closest.difference);
    }
    EXPECT_LT(smallest, kClearDifference);
}

// With random colours two shapes may share a colour: the pattern follows the shape, and every
// two shapes of any one colour differ clearly in grey, rubbish's grey included.
TEST_F(CellPatternsTest, ShapesOfOneColourDifferClearlyInGrey) {
    double smallest = 1e9;
    for (int colour = 0; colour <= kRubbishColour; ++colour) {
        const ClosestPair closest = Closest(Pictures(DrawEveryShape(true, colour), Vision::Grey));
        EXPECT_GE(closest.difference, kClearDifference)
            << "colour " << colour << ": shapes " << closest.first << " and " << closest.second;
        smallest = std::min(smallest, closest.difference);
    }
    std::printf("patterns in one colour, grey: closest shapes %.1f apart\n", smallest);
}

}  // namespace
}  // namespace Drobix

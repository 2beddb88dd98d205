// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShapePatterns.h"

#include <cmath>
#include <cstdlib>

#include "BlockSprites.h"

namespace Drobix::AssetGen::Art {

namespace {

// The marks lie in the face's inside, 19 x 19 pixels from (3, 3), clear of the two-pixel rim.
constexpr int kInset = 3;
constexpr int kInside = 19;
constexpr int kCentre = kInside / 2;

// Each mark is a groove cut into the face: dark where it is cut, lit along its lower right
// edge as the bevel lights the face from the top left. Neutral, so that it shows on every face
// colour: the dark on light faces, the light on dark ones. Neither is black, the transparent
// colour.
constexpr Rgb kGroove{24, 24, 24};
constexpr Rgb kLitEdge{232, 232, 232};

// Whether the mark of the shape covers (u, v) of the inside. The marks are told apart by their
// form alone: strokes two pixels wide in different directions, grids of different steps, and
// outlines and discs that fill different parts of the cell.
bool IsCut(int shape, int u, int v) {
    const int du = u - kCentre;
    const int dv = v - kCentre;
    const double radius = std::hypot(du, dv);
    switch (shape) {
        case 0:  // a ring
            return std::abs(radius - 6.5) < 1.0;
        case 1:  // upright strokes
            return u % 6 < 2;
        case 2:  // rising diagonals
            return (u + v) % 7 < 2;
        case 3:  // falling diagonals
            return (u - v + 3 * 7) % 7 < 2;
        case 4:  // level strokes
            return v % 6 < 2;
        case 5:  // a plus
            return std::abs(du) <= 1 || std::abs(dv) <= 1;
        case 6:  // chevrons pointing up
            return (v + std::abs(du)) % 7 < 2;
        case 7:  // a cross
            return std::abs(u - v) <= 1 || std::abs(u + v - 2 * kCentre) <= 1;
        case 8:  // dots
            return u % 6 / 2 == 1 && v % 6 / 2 == 1;
        case 9:  // a square outline
            return u >= 2 && u <= 16 && v >= 2 && v <= 16 &&
                   !(u >= 4 && u <= 14 && v >= 4 && v <= 14);
        case 10:  // a checkerboard
            return (u / 5 + v / 5) % 2 == 0;
        case 11:  // chevrons pointing down
            return (v - std::abs(du) + 3 * 7) % 7 < 2;
        case 12:  // a disc
            return radius <= 5.2;
        case 13:  // a hash
            return u % 9 / 2 == 2 || v % 9 / 2 == 2;
        default:
            return false;
    }
}

bool IsCutInside(int shape, int u, int v) {
    return u >= 0 && v >= 0 && u < kInside && v < kInside && IsCut(shape, u, v);
}

}  // namespace

IndexedImage MakePatternSheet() {
    RgbImage sheet(kPatternSheetWidth, kPatternSheetHeight);
    for (int shape = 0; shape < kPatternShapes; ++shape) {
        const int top = shape * kBandHeight;
        for (int v = 0; v < kInside; ++v) {
            for (int u = 0; u < kInside; ++u) {
                Rgb& pixel = sheet.At(kInset + u, top + kInset + v);
                if (IsCutInside(shape, u, v)) {
                    pixel = kGroove;
                } else if (IsCutInside(shape, u - 1, v - 1)) {
                    pixel = kLitEdge;
                }
            }
        }
    }
    IndexedImage indexed;
    if (!ToIndexed(sheet, {Rgb{0, 0, 0}}, indexed)) {
        std::abort();  // three colours
    }
    return indexed;
}

}  // namespace Drobix::AssetGen::Art

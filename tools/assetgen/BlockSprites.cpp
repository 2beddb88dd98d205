// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BlockSprites.h"

#include <cmath>
#include <cstdlib>

#include "Texture.h"

namespace Drobix::AssetGen::Art {

const Rgb kFaceColours[kBlockColours] = {
    {124, 92, 169}, {176, 226, 237}, {72, 150, 55},   {173, 177, 0}, {219, 39, 45},
    {13, 106, 147}, {239, 149, 0},   {211, 0, 166},   {0, 179, 140}, {154, 25, 0},
    {0, 102, 217},  {91, 99, 18},    {196, 175, 233}, {81, 211, 0},  {123, 125, 123},
};

namespace {

// Brightness of the face's body. A soft glow fills the middle (columns and rows 7..17) and
// fades to a flat level at 6 and 18; the strips that bridge joined cells (x or y 2..6) copy
// only flat body, and the body next to every cell border (18..22) is the same flat level, so
// joined cells meet without a seam.
constexpr float kBodyLevel = 0.84f;
constexpr int kGlowSteps = 8;  // quantised, so the whole sheet fits one palette

float Glow(int t) {
    // Full brightness over the middle five pixels, none from six pixels out.
    const float distance = static_cast<float>(std::abs(t - kCellSize / 2));
    return SmoothStep(0.0f, 1.0f, (5.5f - distance) / 3.5f);
}

Colour Body(Colour face, int x, int y) {
    const float glow = std::round(Glow(x) * Glow(y) * kGlowSteps) / kGlowSteps;
    if (glow >= 1.0f) {
        return face;  // exactly the face colour in the middle
    }
    return face * (kBodyLevel + (1 - kBodyLevel) * glow);
}

Colour EdgeColour(Colour face) {
    return face * 0.42f;
}
Colour HighlightColour(Colour face) {
    return Mix(face, {1, 1, 1}, 0.38f);
}
Colour ShadowColour(Colour face) {
    return face * 0.62f;
}

enum class Zone { kOutside, kSoftEdge, kEdge, kHighlight, kShadow, kBody };

// Which part of the bevel a pixel of a square (unrounded) face is: a 1-pixel dark edge, then a
// 1-pixel highlight along the top and left and shadow along the bottom and right.
Zone SquareZone(int x, int y) {
    const int last = kCellSize - 1;
    if (x == 0 || y == 0 || x == last || y == last) {
        return Zone::kEdge;
    }
    if (x == last - 1 || y == last - 1) {
        return Zone::kShadow;
    }
    if (x == 1 || y == 1) {
        return Zone::kHighlight;
    }
    return Zone::kBody;
}

// The same with all four corners rounded (radius 4): the corner pieces are cut from this.
Zone RoundedZone(int x, int y) {
    constexpr float kRadius = 4.0f;
    const float size = static_cast<float>(kCellSize);
    const float px = static_cast<float>(x) + 0.5f;
    const float py = static_cast<float>(y) + 0.5f;
    const float cx = px < kRadius ? kRadius : (px > size - kRadius ? size - kRadius : px);
    const float cy = py < kRadius ? kRadius : (py > size - kRadius ? size - kRadius : py);
    if (cx == px || cy == py) {
        return SquareZone(x, y);  // not in a rounded corner
    }
    const float inset = kRadius - std::hypot(px - cx, py - cy);
    if (inset < -0.5f) {
        return Zone::kOutside;
    }
    if (inset < 0) {
        return Zone::kSoftEdge;
    }
    if (inset < 1) {
        return Zone::kEdge;
    }
    if (inset < 2) {
        // Top-left light, bottom-right dark; on the other two corners the nearer side decides,
        // and a tie goes to the shadow as on the square face.
        const int last = kCellSize - 1;
        const bool nearTop = y < last - x;   // top-right corner: top rather than right
        const bool nearLeft = x < last - y;  // bottom-left corner: left rather than bottom
        const bool top = y < kCellSize / 2;
        const bool left = x < kCellSize / 2;
        if (top && left) {
            return Zone::kHighlight;
        }
        if (!top && !left) {
            return Zone::kShadow;
        }
        return (top ? nearTop : nearLeft) ? Zone::kHighlight : Zone::kShadow;
    }
    return Zone::kBody;
}

Colour Paint(Zone zone, Colour face, int x, int y) {
    switch (zone) {
        case Zone::kOutside:
            return {};
        case Zone::kSoftEdge:
            return EdgeColour(face) * 0.5f;
        case Zone::kEdge:
            return EdgeColour(face);
        case Zone::kHighlight:
            return HighlightColour(face);
        case Zone::kShadow:
            return ShadowColour(face);
        case Zone::kBody:
            return Body(face, x, y);
    }
    return {};
}

}  // namespace

IndexedImage MakeBlockSheet() {
    RgbImage sheet(kSheetWidth, kSheetHeight);
    struct Corner {
        int faceX, faceY, sheetX, sheetY;
    };
    constexpr int kFar = kCellSize - kCornerSize;  // 17
    constexpr Corner kCorners[] = {
        {0, 0, 26, 0},        // top left
        {0, kFar, 26, 9},     // bottom left
        {kFar, 0, 35, 0},     // top right
        {kFar, kFar, 35, 9},  // bottom right
    };
    for (int band = 0; band < kBlockColours; ++band) {
        const Colour face = FromRgb(kFaceColours[band]);
        const int top = band * kBandHeight;
        for (int y = 0; y < kCellSize; ++y) {
            for (int x = 0; x < kCellSize; ++x) {
                sheet.At(x, top + y) = ToRgb(Paint(SquareZone(x, y), face, x, y));
            }
        }
        // The exact face colour in the middle, whatever the rounding of the shading.
        sheet.At(kCellSize / 2, top + kCellSize / 2) = kFaceColours[band];
        for (const Corner& corner : kCorners) {
            for (int y = 0; y < kCornerSize; ++y) {
                for (int x = 0; x < kCornerSize; ++x) {
                    const int fx = corner.faceX + x;
                    const int fy = corner.faceY + y;
                    sheet.At(corner.sheetX + x, top + corner.sheetY + y) =
                        ToRgb(Paint(RoundedZone(fx, fy), face, fx, fy));
                }
            }
        }
    }
    IndexedImage indexed;
    if (!ToIndexed(sheet, {Rgb{0, 0, 0}}, indexed)) {
        std::abort();  // the shading is quantised to fit one palette
    }
    return indexed;
}

}  // namespace Drobix::AssetGen::Art

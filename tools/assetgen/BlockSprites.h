// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Image.h"

namespace Drobix::AssetGen::Art {

// Geometry of the block sprite sheet: one band of 25 pixel rows per cell colour, a 25 x 25
// face at the left, and four 8 x 8 corner pieces to its right.
constexpr int kBlockColours = 15;
constexpr int kCellSize = 25;
constexpr int kBandHeight = 25;
constexpr int kCornerSize = 8;
constexpr int kSheetWidth = 43;
constexpr int kSheetHeight = kBlockColours * kBandHeight;

// The face colour of each band: the exact colour of the face's centre pixel.
extern const Rgb kFaceColours[kBlockColours];

// The sheet, 8-bit palette; black (index 0) wherever no piece is.
IndexedImage MakeBlockSheet();

}  // namespace Drobix::AssetGen::Art

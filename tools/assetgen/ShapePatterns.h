// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Image.h"

namespace Drobix::AssetGen::Art {

// The shape pattern sheet: one band of kCellSize rows per block shape (14), each a 25 x 25
// overlay for a cell's face that marks the shape besides its colour. Black (index 0) is
// transparent; the marks are cut into the face's inside only, so its bevelled rim stays whole.
constexpr int kPatternShapes = 14;
constexpr int kPatternSheetWidth = 25;
constexpr int kPatternSheetHeight = kPatternShapes * 25;

IndexedImage MakePatternSheet();

}  // namespace Drobix::AssetGen::Art

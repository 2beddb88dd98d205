// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "Asset.h"

namespace Drobix::AssetGen {

// The block sprite sheet, the checker overlay, the black and the grey pixel, the hidden-preview
// sign, the window icon and the shape pattern sheet.
std::vector<Asset> MakeSprites();

// The menu background and the four game backgrounds.
std::vector<Asset> MakeBackgrounds();

// The three font pictures.
std::vector<Asset> MakeFonts();

}  // namespace Drobix::AssetGen

#pragma once

#include <vector>

#include "Asset.h"

namespace Drobix::AssetGen {

// The block sprite sheet (118), the checker (120), the two 1 x 1 colours (121, 148), the
// hidden-preview sign (156) and the window icon (146).
std::vector<Asset> MakeSprites();

// The menu background (101) and the four game backgrounds (104..107).
std::vector<Asset> MakeBackgrounds();

// The three font pictures (144, 145, 147).
std::vector<Asset> MakeFonts();

}  // namespace Drobix::AssetGen

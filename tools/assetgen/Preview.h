#pragma once

#include <string>
#include <vector>

#include "Asset.h"

namespace Drobix::AssetGen {

// One PNG showing every picture resource, for a look at the whole set (not committed).
bool WriteContactSheet(const std::vector<Asset>& assets, const std::string& path);

// Mock-ups of the game and menu screens drawn the way the game draws them (blocks joined from
// the sprite sheet, text from the font pictures' markers, black as the transparent colour),
// and zoomed views of the sprite sheet, the fonts and the small pictures.
bool WritePreviews(const std::vector<Asset>& assets, const std::string& folder);

}  // namespace Drobix::AssetGen

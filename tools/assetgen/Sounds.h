#pragma once

#include <vector>

#include "Asset.h"

namespace Drobix::AssetGen {

// The eight effects and the two menu tracks as Ogg Vorbis, type "OGG".
std::vector<Asset> MakeSounds();

}  // namespace Drobix::AssetGen

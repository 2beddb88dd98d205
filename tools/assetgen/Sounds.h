#pragma once

#include <vector>

#include "Asset.h"

namespace Drobix::AssetGen {

// The effects (131, 133..139) and the two menu tracks (152, 153) as Ogg Vorbis, type "OGG".
std::vector<Asset> MakeSounds();

}  // namespace Drobix::AssetGen

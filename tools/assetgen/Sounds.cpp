#include "Sounds.h"

namespace Drobix::AssetGen {

std::vector<Asset> MakeSounds() { return {}; }

}  // namespace Drobix::AssetGen

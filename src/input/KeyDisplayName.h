#pragma once

#include <string>

namespace Drobix {

// How the screens name a virtual key to the player: "P", "Space", "Pause", "Num 5"; a key
// without a name of its own is shown by its code, "Key 0xNN".
std::string KeyDisplayName(int virtualKey);

}  // namespace Drobix

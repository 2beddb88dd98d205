#pragma once

#include <string>

namespace Drobix {

// A string resource as the menus read it: at most 2047 characters, empty when it is missing.
std::string LoadMenuString(int id);

}  // namespace Drobix

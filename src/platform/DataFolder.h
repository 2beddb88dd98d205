#pragma once

// Where the data file lives. One implementation for both backends: common/DataFolderCommon.cpp.

#include <optional>
#include <string>

namespace Drobix::Platform {

// The folder where applications keep their data for this user: $XDG_DATA_HOME when it is set
// to an absolute path, otherwise ~/.local/share. Empty when neither can be found.
std::optional<std::string> GetApplicationDataFolder();

}  // namespace Drobix::Platform

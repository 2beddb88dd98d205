// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the data file and the configuration live. One implementation per system, for both
// backends: posix/DataFolderPosix.cpp, windows/DataFolderWindows.cpp.

#include <optional>
#include <string>
#include <string_view>

namespace Drobix::Platform {

// The folder where applications keep their data. Linux: for this user, $XDG_DATA_HOME when it
// is set to an absolute path, otherwise ~/.local/share. Windows: the machine-wide application
// data folder, or $XDG_DATA_HOME when it is set (tests and tools point it elsewhere). Empty when
// none can be found.
std::optional<std::string> GetApplicationDataFolder();

// The folder where applications keep this user's configuration. Linux: $XDG_CONFIG_HOME when it
// is set to an absolute path, otherwise ~/.config. Windows: the user's roaming application data
// folder (%APPDATA%), or $XDG_CONFIG_HOME when it is set. Empty when none can be found.
std::optional<std::string> GetConfigFolder();

// The name of the program's own folder in the configuration folder, as the system's programs
// name theirs: "drobix" on Linux, "Drobix" on Windows ("drobix" there too when $XDG_CONFIG_HOME
// names the configuration folder).
std::string_view ConfigFolderName();

}  // namespace Drobix::Platform

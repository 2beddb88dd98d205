// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the data file and the configuration live. One implementation for both backends:
// common/DataFolderCommon.cpp.

#include <optional>
#include <string>

namespace Drobix::Platform {

// The folder where applications keep their data for this user: $XDG_DATA_HOME when it is set
// to an absolute path, otherwise ~/.local/share. Empty when neither can be found.
std::optional<std::string> GetApplicationDataFolder();

// The folder where applications keep this user's configuration: $XDG_CONFIG_HOME when it is set
// to an absolute path, otherwise ~/.config. Empty when neither can be found.
std::optional<std::string> GetConfigFolder();

}  // namespace Drobix::Platform

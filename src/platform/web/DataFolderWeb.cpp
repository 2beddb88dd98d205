// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>

#include "platform/DataFolder.h"

namespace Drobix::Platform {

namespace {

// The page's lasting storage is mounted here (src/platform/web/storage.js), the home of the
// browser's one user: the folders below it are those a Linux home has.
constexpr std::string_view kDataFolder = "/persistent/.local/share";
constexpr std::string_view kConfigFolder = "/persistent/.config";
constexpr std::string_view kConfigFolderName = "drobix";

// drobix-replay under node is pointed elsewhere by the variables, as on Linux.
std::optional<std::string> AbsolutePathFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') {
        return std::nullopt;
    }
    return std::string(value);
}

}  // namespace

std::optional<std::string> GetApplicationDataFolder() {
    return AbsolutePathFromEnvironment("XDG_DATA_HOME").value_or(std::string(kDataFolder));
}

std::optional<std::string> GetConfigFolder() {
    return AbsolutePathFromEnvironment("XDG_CONFIG_HOME").value_or(std::string(kConfigFolder));
}

std::string_view ConfigFolderName() {
    return kConfigFolderName;
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DataFolder.h"

#include <cstdlib>

namespace Drobix::Platform {

namespace {
constexpr std::string_view kConfigFolderName = "drobix";

std::optional<std::string> AbsolutePathFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    // Relative values are ignored, as the XDG base-directory rules ask.
    if (value == nullptr || value[0] != '/') {
        return std::nullopt;
    }
    return std::string(value);
}
}  // namespace

std::optional<std::string> GetApplicationDataFolder() {
    if (auto dataHome = AbsolutePathFromEnvironment("XDG_DATA_HOME")) {
        return dataHome;
    }
    if (auto home = AbsolutePathFromEnvironment("HOME")) {
        return *home + "/.local/share";
    }
    return std::nullopt;
}

std::optional<std::string> GetConfigFolder() {
    if (auto configHome = AbsolutePathFromEnvironment("XDG_CONFIG_HOME")) {
        return configHome;
    }
    if (auto home = AbsolutePathFromEnvironment("HOME")) {
        return *home + "/.config";
    }
    return std::nullopt;
}

std::string_view ConfigFolderName() {
    return kConfigFolderName;
}

}  // namespace Drobix::Platform

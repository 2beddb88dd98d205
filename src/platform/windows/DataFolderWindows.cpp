// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <array>
#include <cstdlib>

#include "platform/DataFolder.h"
#include "platform/windows/WideText.h"

namespace Drobix::Platform {

namespace {

constexpr std::string_view kConfigFolderName = "Drobix";
constexpr std::string_view kXdgConfigFolderName = "drobix";

// A folder named by the environment (tests and tools point the program elsewhere).
std::optional<std::string> FolderFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

}  // namespace

// The machine-wide folder, shared by every user of the machine, as the data file's rules ask.
std::optional<std::string> GetApplicationDataFolder() {
    if (auto folder = FolderFromEnvironment("XDG_DATA_HOME")) {
        return folder;
    }
    std::array<char, MAX_PATH> path{};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT,
                                path.data()))) {
        return std::nullopt;
    }
    path.back() = '\0';
    return Windows::Utf8FromAnsi(path.data());
}

std::optional<std::string> GetConfigFolder() {
    if (auto folder = FolderFromEnvironment("XDG_CONFIG_HOME")) {
        return folder;
    }
    std::array<wchar_t, MAX_PATH> path{};
    if (FAILED(
            SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path.data()))) {
        return std::nullopt;
    }
    path.back() = L'\0';
    return Windows::Utf8FromWide(path.data());
}

// Where the environment names the configuration folder, the folder in it is named as on Linux,
// so that a test's files are where it put them.
std::string_view ConfigFolderName() {
    return FolderFromEnvironment("XDG_CONFIG_HOME") ? kXdgConfigFolderName : kConfigFolderName;
}

}  // namespace Drobix::Platform

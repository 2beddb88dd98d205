// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <cstdlib>
#include <string>

#include "TestEnvironment.h"

namespace Drobix::Testing {

void SetVariable(const std::string& name, const std::string& value) {
    _putenv_s(name.c_str(), value.c_str());
}

// An empty value removes the variable on Windows.
void UnsetVariable(const std::string& name) {
    _putenv_s(name.c_str(), "");
}

std::filesystem::path MakeTemporaryFolder(const std::string& prefix) {
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (unsigned attempt = 0;; ++attempt) {
        std::filesystem::path folder =
            base / (prefix + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt));
        std::error_code error;
        if (std::filesystem::create_directory(folder, error)) {
            return folder;
        }
    }
}

}  // namespace Drobix::Testing

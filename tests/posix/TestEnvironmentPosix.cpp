// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>

#include "TestEnvironment.h"

namespace Drobix::Testing {

void SetVariable(const std::string& name, const std::string& value) {
    ::setenv(name.c_str(), value.c_str(), 1);
}

void UnsetVariable(const std::string& name) {
    ::unsetenv(name.c_str());
}

std::filesystem::path MakeTemporaryFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
    return ::mkdtemp(pattern.data());
}

}  // namespace Drobix::Testing

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The environment and temporary folders as the tests need them, one file per system:
// posix/TestEnvironmentPosix.cpp, windows/TestEnvironmentWindows.cpp.

#include <filesystem>
#include <string>

namespace Drobix::Testing {

void SetVariable(const std::string& name, const std::string& value);
void UnsetVariable(const std::string& name);

// A new empty folder of its own in the system's temporary folder, its name beginning with
// prefix.
std::filesystem::path MakeTemporaryFolder(const std::string& prefix);

}  // namespace Drobix::Testing

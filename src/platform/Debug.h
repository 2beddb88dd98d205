// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Progress lines for developers. One implementation for both backends: common/DebugCommon.cpp.

#include <string_view>

namespace Drobix::Platform {

// A progress line for developers, on standard error.
void DebugOutput(std::string_view line);

}  // namespace Drobix::Platform

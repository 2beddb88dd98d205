// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Progress lines for developers. One implementation for both backends: common/DebugCommon.cpp.

#include <string_view>

namespace Drobix::Platform {

// A progress line for developers, on standard error, but only when asked for: by
// EnableDebugOutput (--verbose) or with DROBIX_DEBUG=1 in the environment. A player who starts
// the game from a terminal sees nothing but real errors.
void DebugOutput(std::string_view line);

// Turns the progress lines on or off; off unless DROBIX_DEBUG=1 says otherwise.
void EnableDebugOutput(bool enable);
bool IsDebugOutputEnabled();

}  // namespace Drobix::Platform

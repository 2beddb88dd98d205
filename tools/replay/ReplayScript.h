// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <istream>
#include <ostream>

namespace Drobix::Replay {

constexpr int kExitOk = 0;
constexpr int kExitMalformedScript = 2;

// Runs the program on the scripted platform, line by line from the script, printing what the
// script asks to see. Returns the tool's exit status.
int RunScript(std::istream& script, std::ostream& out, std::ostream& errors);

}  // namespace Drobix::Replay

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "platform/Presenter.h"

namespace Drobix {

// What the command line asks for. Without arguments the game runs as it always has.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, RefuseUnknown };

    Action action = Action::Run;
    // --window or --fullscreen: the mode for this run only; the last one given counts.
    std::optional<Platform::WindowMode> windowMode;
    // --verbose: progress lines and the presenter's choices on standard error.
    bool verbose = false;
    // The first argument that was not understood, for RefuseUnknown.
    std::string unknown;
};

// Reads the arguments after the program's name. --help (or -h) wins over everything else given
// with it; otherwise an argument that is not understood refuses the whole line, and --version
// (or -v) wins over the modes.
CommandLine ParseCommandLine(std::span<const char* const> arguments);

// For any action but Run: prints what it asks for (help and version to out, the refusal with
// the usage to errors) and returns the exit status: 0, or 2 for a refusal.
int AnswerCommandLine(const CommandLine& commandLine, std::ostream& out, std::ostream& errors);

}  // namespace Drobix

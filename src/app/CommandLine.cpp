// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <string_view>

namespace Drobix {

namespace {

constexpr int kExitAnswered = 0;
constexpr int kExitUsageError = 2;
constexpr std::string_view kProgramName = "drobix";
constexpr std::string_view kUsage =
    "Usage: drobix [OPTION]\n"
    "A falling-blocks puzzle game.\n"
    "\n"
    "  --window      play in a window this time\n"
    "  --fullscreen  play full screen this time\n"
    "  --verbose     tell on standard error what the game does as it starts\n"
    "  -h, --help    show this help and exit\n"
    "  -v, --version show the version and exit\n"
    "\n"
    "Alt+Enter or F11 switches between full screen and a window during play; the game\n"
    "remembers that choice for the next run.\n";

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> arguments) {
    CommandLine result;
    bool help = false;
    bool version = false;
    for (const char* argument : arguments) {
        const std::string_view text = argument != nullptr ? argument : "";
        if (text == "--help" || text == "-h") {
            help = true;
        } else if (text == "--version" || text == "-v") {
            version = true;
        } else if (text == "--window") {
            result.windowMode = Platform::WindowMode::Window;
        } else if (text == "--fullscreen") {
            result.windowMode = Platform::WindowMode::Fullscreen;
        } else if (text == "--verbose") {
            result.verbose = true;
        } else if (result.unknown.empty()) {
            result.unknown = text;
            result.action = CommandLine::Action::RefuseUnknown;
        }
    }
    if (help) {
        result.action = CommandLine::Action::ShowHelp;
    } else if (version && result.action == CommandLine::Action::Run) {
        result.action = CommandLine::Action::ShowVersion;
    }
    return result;
}

int AnswerCommandLine(const CommandLine& commandLine, std::ostream& out, std::ostream& errors) {
    switch (commandLine.action) {
        case CommandLine::Action::ShowHelp:
            out << kUsage;
            return kExitAnswered;
        case CommandLine::Action::ShowVersion:
            out << kProgramName << ' ' << DROBIX_VERSION << '\n';
            return kExitAnswered;
        case CommandLine::Action::RefuseUnknown:
            errors << kProgramName << ": unknown option '" << commandLine.unknown << "'\n"
                   << kUsage;
            return kExitUsageError;
        case CommandLine::Action::Run:
            break;
    }
    return kExitAnswered;
}

}  // namespace Drobix

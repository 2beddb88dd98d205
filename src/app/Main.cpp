// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "app/CommandLine.h"
#include "app/LanguageChoice.h"
#include "app/MainLoop.h"
#include "app/Startup.h"
#include "app/WindowModeChoice.h"
#include "platform/Debug.h"
#include "platform/MessageBox.h"
#include "platform/UserLanguage.h"
#include "storage/PreferencesFile.h"

namespace {
constexpr int kExitNormal = 0;
constexpr int kExitStartupFailed = 1;

// The locale variables; where LANG is unset, the user's interface language stands in for it, so
// that on Windows, where the variables are rarely set, the game speaks the system's language.
const char* ReadLanguageVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value != nullptr || std::string_view(name) != "LANG") {
        return value;
    }
    static const std::string interfaceLanguage =
        Drobix::Platform::UserInterfaceLanguage().value_or(std::string());
    return interfaceLanguage.empty() ? nullptr : interfaceLanguage.c_str();
}
}  // namespace

int main(int argc, char** argv) {
    using namespace Drobix;
    const CommandLine commandLine =
        ParseCommandLine({argv + 1, static_cast<size_t>(argc > 0 ? argc - 1 : 0)});
    if (commandLine.action != CommandLine::Action::Run) {
        // Through string streams, not <iostream>: its standard streams would be set up on every
        // start and hold half a megabyte of the game's memory for nothing.
        std::ostringstream out;
        std::ostringstream errors;
        const int status = AnswerCommandLine(commandLine, out, errors);
        std::fputs(out.str().c_str(), stdout);
        std::fputs(errors.str().c_str(), stderr);
        return status;
    }
    if (commandLine.verbose) {
        Platform::EnableDebugOutput(true);
    }
    std::ostringstream faults;
    LoadPreferences(faults);
    std::fputs(faults.str().c_str(), stderr);
    ApplyLanguageChoice(ReadLanguageVariable);
    ChooseStartWindowMode(commandLine.windowMode);
    if (!InitialiseGame()) {
        Platform::ShowMessageBox("Initialisation Error",
                                 "Failed to initialise the game systems. Please ensure your PC is "
                                 "capable of running Drobix.");
        ShutdownGame();
        return kExitStartupFailed;
    }
    SwitchScreen(ScreenNumber::Intro);
    RunMainLoop();
    RememberWindowMode();
    ShutdownGame();
    return kExitNormal;
}

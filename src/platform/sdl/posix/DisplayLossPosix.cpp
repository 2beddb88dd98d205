// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <X11/Xlib.h>
#include <unistd.h>

#include <csignal>
#include <string_view>

#include "platform/DisplayLoss.h"
#include "platform/sdl/SessionEnd.h"

namespace Drobix::Platform {

namespace {

constexpr std::string_view kDisplayLostLine =
    "Drobix: the connection to the display was lost; saving and ending\n";

EmergencySave emergencySave = nullptr;

// Xlib calls this when the connection to the X server breaks, and ends the process through
// exit() if it returns, which runs destructors over SDL's and Xlib's half-torn state. The
// program's own state is whole here, so it saves and ends at once instead.
int EndOnDisplayLoss(Display* /*display*/) {
    [[maybe_unused]] const ssize_t written =
        write(STDERR_FILENO, kDisplayLostLine.data(), kDisplayLostLine.size());
    if (emergencySave != nullptr) {
        emergencySave();
    }
    _exit(kExitDisplayLost);
}

}  // namespace

void SetEmergencySaveHandler(EmergencySave save) {
    emergencySave = save;
    XSetIOErrorHandler(EndOnDisplayLoss);
    // A write to a server that is gone would otherwise end the program by SIGPIPE before Xlib
    // sees the error; the program has no other pipe or socket that relies on the signal.
    std::signal(SIGPIPE, SIG_IGN);
}

void Sdl::WatchSessionEnd(SDL_Window* /*window*/) {}

}  // namespace Drobix::Platform

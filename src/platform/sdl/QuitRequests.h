// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Requests from outside the window to end the program, which then quits as it does when its
// window is closed, so that shutdown runs and the data file is written: on Linux the signals
// SIGINT, SIGTERM and SIGHUP (posix/QuitRequestsPosix.cpp); on Windows a console's Ctrl+C,
// Ctrl+Break and its closing (windows/QuitRequestsWindows.cpp).

namespace Drobix::Platform::Sdl {

// Starts listening; later calls do nothing.
void CatchQuitRequests();

// Whether a request came since the last call.
bool TakeQuitRequest();

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <atomic>

#include "platform/sdl/QuitRequests.h"

namespace Drobix::Platform::Sdl {

namespace {

// Windows ends the process this long after a console's close handler returns; the program's
// own shutdown (saving the data file) takes far less.
constexpr DWORD kCloseGraceMs = 4000;

struct ConsoleRequests {
    bool handlerInstalled = false;
    // Set on the console's own thread, read on the main one.
    std::atomic<bool> received{false};
};

ConsoleRequests console;

// Runs on a thread of the console's. A closing console (or a logoff or shutdown seen by a
// console program) ends the process when this returns, so the handler waits while the main loop
// quits and saves; the process's exit ends the wait.
BOOL WINAPI NoteConsoleRequest(DWORD kind) {
    console.received = true;
    if (kind == CTRL_CLOSE_EVENT || kind == CTRL_LOGOFF_EVENT || kind == CTRL_SHUTDOWN_EVENT) {
        Sleep(kCloseGraceMs);
    }
    return TRUE;
}

}  // namespace

void CatchQuitRequests() {
    if (console.handlerInstalled) {
        return;
    }
    console.handlerInstalled = true;
    SetConsoleCtrlHandler(NoteConsoleRequest, TRUE);
}

bool TakeQuitRequest() {
    return console.received.exchange(false);
}

}  // namespace Drobix::Platform::Sdl

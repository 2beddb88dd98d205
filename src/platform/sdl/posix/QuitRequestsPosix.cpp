// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <csignal>

#include "platform/sdl/QuitRequests.h"

namespace Drobix::Platform::Sdl {

namespace {

// Interrupted, told to terminate or hung up on (its terminal closed).
struct QuitSignals {
    bool handlersInstalled = false;
    // Written by the signal handler, hence its type.
    volatile std::sig_atomic_t received = 0;
};

QuitSignals quitSignals;

void NoteQuitSignal(int) {
    quitSignals.received = 1;
}

}  // namespace

void CatchQuitRequests() {
    if (quitSignals.handlersInstalled) {
        return;
    }
    quitSignals.handlersInstalled = true;
    struct sigaction action {};
    action.sa_handler = NoteQuitSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

bool TakeQuitRequest() {
    if (quitSignals.received == 0) {
        return false;
    }
    quitSignals.received = 0;
    return true;
}

}  // namespace Drobix::Platform::Sdl

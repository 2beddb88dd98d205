// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <SDL.h>

#include <csignal>
#include <string_view>

#include "platform/sdl/TestResetSignal.h"

namespace Drobix::Platform::Sdl {

namespace {

constexpr const char* kResetSignalVariable = "DROBIX_TEST_RESET_SIGNAL";

struct ResetSignal {
    bool checked = false;
    // Written by the signal handler, hence its type.
    volatile std::sig_atomic_t received = 0;
};

ResetSignal resetSignal;

void NoteResetSignal(int) {
    resetSignal.received = 1;
}

}  // namespace

void CatchTestResetSignal() {
    if (resetSignal.checked) {
        return;
    }
    resetSignal.checked = true;
    const char* value = SDL_getenv(kResetSignalVariable);
    if (value == nullptr || std::string_view(value) != "1") {
        return;
    }
    struct sigaction action {};
    action.sa_handler = NoteResetSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGUSR1, &action, nullptr);
}

bool TakeTestResetSignal() {
    if (resetSignal.received == 0) {
        return false;
    }
    resetSignal.received = 0;
    return true;
}

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <SDL.h>
#include <SDL_syswm.h>

#include "platform/DisplayLoss.h"
#include "platform/sdl/SessionEnd.h"

namespace Drobix::Platform {

namespace {

struct SessionEndWatch {
    EmergencySave save = nullptr;
    // SDL's own window procedure, which every other message still goes to.
    WNDPROC sdlProcedure = nullptr;
};

SessionEndWatch watch;

// What the program returns however it ends.
constexpr UINT kExitCode = 1;

// The session ends: the process may be ended as soon as this message has been answered, so the
// data file is written now and the program ends, as on Linux when the display is lost. Asked
// first, the window agrees to the end.
LRESULT CALLBACK WatchSessionMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QUERYENDSESSION) {
        return TRUE;
    }
    if (message == WM_ENDSESSION) {
        if (wParam == FALSE) {
            return 0;
        }
        if (watch.save != nullptr) {
            watch.save();
        }
        ExitProcess(kExitCode);
    }
    return CallWindowProcW(watch.sdlProcedure, window, message, wParam, lParam);
}

}  // namespace

// A Windows program keeps its window however the display changes: the device's loss comes as
// "surfaces lost" through SDL's events instead. The save is kept for the session's end.
void SetEmergencySaveHandler(EmergencySave save) {
    watch.save = save;
}

void Sdl::WatchSessionEnd(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_WINDOWS) {
        return;
    }
    // The call gives the old procedure back as a number.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    const auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        info.info.win.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchSessionMessages)));
    if (previous != WatchSessionMessages) {
        watch.sdlProcedure = previous;
    }
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <SDL.h>

#include "platform/Events.h"
#include "platform/Presenter.h"
#include "platform/helpers/EventPumpDecision.h"
#include "platform/sdl/GamepadSdl.h"
#include "platform/sdl/InputDeviceWatch.h"
#include "platform/sdl/KeyboardSdl.h"
#include "platform/sdl/PresenterSdl.h"
#include "platform/sdl/QuitRequests.h"
#include "platform/sdl/TestResetSignal.h"

namespace Drobix::Platform {

namespace {

// When SDL's event pump runs, and what it goes by besides the window system.
struct EventPumping {
    EventPumpDecision decision;
    Sdl::InputDeviceWatch devices;
    bool focused = false;
};

EventPumping pumping;

// Tests only: a reset asked for by signal arrives as a driver's would.
void PushResetWhenSignalled() {
    if (!Sdl::TakeTestResetSignal()) {
        return;
    }
    SDL_Event reset{};
    reset.type = SDL_RENDER_DEVICE_RESET;
    SDL_PushEvent(&reset);
}

Event TranslateWindowEvent(const SDL_WindowEvent& window) {
    switch (window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            pumping.focused = true;
            return Event::Activated;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            pumping.focused = false;
            return Event::Deactivated;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            // A full-screen window changes size with the desktop's mode.
            Sdl::DisplayChanged();
            Sdl::RepaintWholeWindow();
            return Event::None;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
            Sdl::RepaintWholeWindow();
            return Event::None;
        case SDL_WINDOWEVENT_DISPLAY_CHANGED:
            Sdl::DisplayChanged();
            return Event::None;
        default:
            return Event::None;
    }
}

bool IsWindowModeKey(const SDL_KeyboardEvent& key) {
    const bool altEnter = key.keysym.sym == SDLK_RETURN && (key.keysym.mod & KMOD_ALT) != 0;
    return key.repeat == 0 && (altEnter || key.keysym.sym == SDLK_F11);
}

Event Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            return Event::Quit;
        case SDL_WINDOWEVENT:
            return TranslateWindowEvent(event.window);
        case SDL_DISPLAYEVENT:
            Sdl::DisplayChanged();
            return Event::None;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            // The frame route makes its renderer and textures again; the main loop rebuilds
            // the pictures.
            MarkSurfacesLost();
            return Event::SurfacesLost;
        case SDL_KEYDOWN:
            if (IsWindowModeKey(event.key)) {
                Sdl::SwitchWindowMode();
            }
            Sdl::ObserveKeyboardEvent(event);
            return Event::None;
        case SDL_KEYUP:
        case SDL_TEXTINPUT:
        case SDL_KEYMAPCHANGED:
            Sdl::ObserveKeyboardEvent(event);
            return Event::None;
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
            Sdl::ObserveGamepadEvent(event);
            return Event::None;
        default:
            return Event::None;
    }
}

}  // namespace

// Keyboard and other events the program does not handle are taken on the way, so that they
// never hold up the one event a pass handles.
Event PollEvent() {
    Sdl::CatchQuitRequests();
    Sdl::CatchTestResetSignal();
    PushResetWhenSignalled();
    Sdl::StartGamepads();
    if (Sdl::TakeQuitRequest()) {
        return Event::Quit;
    }
    const Sdl::WindowSystemInput server = Sdl::WatchWindowSystem();
    EventPumpDecision::Pass pass;
    pass.nowMs = SDL_GetTicks64();
    pass.serverWatched = server.watched;
    pass.serverSentSomething = server.sentSomething;
    pass.padOpen = Sdl::HasOpenGamepads();
    pass.devicesChanged = pumping.devices.TakeChanges();
    pass.focused = pumping.focused;
    if (pumping.decision.ShouldPump(pass)) {
        SDL_PumpEvents();
    }
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        const Event translated = Translate(event);
        if (translated != Event::None) {
            return translated;
        }
    }
    return Event::None;
}

void PostQuit() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's events. Backends: sdl/EventsSdl.cpp and scripted/EventsScripted.cpp (a queue the
// script fills).

namespace Drobix::Platform {

enum class Event {
    None,
    Quit,
    Activated,
    Deactivated,
    SurfacesLost,
};

// Takes at most one pending event without waiting.
Event PollEvent();

// Asks for the main loop to end: a Quit event follows.
void PostQuit();

}  // namespace Drobix::Platform

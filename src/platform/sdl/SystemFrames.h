// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the system itself decides about the main window and its frames: on Linux and Windows
// nothing beyond SDL (posix/SystemFramesPosix.cpp, windows/SystemFramesWindows.cpp); in the
// browser the page's canvas takes the frames at the browser's animation frames, only the page
// may go full screen (at the player's key press), and a sleep must give way to the browser
// (web/SystemFramesWeb.cpp).

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Presenter.h"
#include "platform/sdl/FrameRoute.h"

namespace Drobix::Platform::Sdl {

// The route the system requires for the window, with why in why; null where the program's own
// choice holds.
std::unique_ptr<FrameRoute> SystemFrameRoute(SDL_Window* window, std::string& why);
// The mode the program may put its window in when it wants the given one.
WindowMode SettableWindowMode(WindowMode wanted);
// The frame pacer's sleep.
void PacerSleepNs(uint64_t duration);

}  // namespace Drobix::Platform::Sdl

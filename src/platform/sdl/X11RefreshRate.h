// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <SDL.h>

namespace Drobix::Platform::Sdl {

// The refresh rate of the X server's display mode under the window's centre, exactly as RandR
// gives it (59.94, 60.05 ...); 0 when the window is not on an X server or the server does not
// say (SDL's own figure is a whole number).
double X11RefreshRate(SDL_Window* window);

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The end of the user's session while the window is open. On Windows, logging off or shutting
// down asks the window (WM_QUERYENDSESSION) and then ends the process soon after telling it
// (WM_ENDSESSION), without a quit message: the window's own procedure saves at once, through
// the emergency save (windows/DisplayLossWindows.cpp). On Linux the session's end arrives as
// SIGHUP or SIGTERM or as the display's loss, handled elsewhere: nothing to do
// (posix/DisplayLossPosix.cpp).

struct SDL_Window;

namespace Drobix::Platform::Sdl {

void WatchSessionEnd(SDL_Window* window);

}  // namespace Drobix::Platform::Sdl

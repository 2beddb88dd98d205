// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pacer's sleeps end close to their request only where the system's timers are asked for
// it: on Linux a timer slack of a microsecond (posix/TimerPrecisionPosix.cpp), on Windows a
// timer resolution of one millisecond (windows/TimerPrecisionWindows.cpp), while the window is
// open.

namespace Drobix::Platform::Sdl {

void RequestPreciseTimers();
void ReleasePreciseTimers();

}  // namespace Drobix::Platform::Sdl

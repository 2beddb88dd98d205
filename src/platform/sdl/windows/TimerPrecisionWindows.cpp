// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>
// After windows.h, which it needs.
#include <timeapi.h>

#include "platform/sdl/TimerPrecision.h"

namespace Drobix::Platform::Sdl {

namespace {

// Windows' default tick of 15.6 ms would make every sleep of the pacer's a whole frame long.
constexpr UINT kTimerResolutionMs = 1;

bool requested = false;

}  // namespace

void RequestPreciseTimers() {
    if (!requested) {
        requested = timeBeginPeriod(kTimerResolutionMs) == TIMERR_NOERROR;
    }
}

// The resolution is the whole system's: given back as soon as the program no longer needs it.
void ReleasePreciseTimers() {
    if (requested) {
        timeEndPeriod(kTimerResolutionMs);
        requested = false;
    }
}

}  // namespace Drobix::Platform::Sdl

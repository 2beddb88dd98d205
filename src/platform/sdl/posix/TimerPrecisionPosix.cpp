// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/prctl.h>

#include "platform/sdl/TimerPrecision.h"

namespace Drobix::Platform::Sdl {

namespace {

// The kernel's default slack of 50 µs would otherwise make the pacer yield through that much
// more of every frame.
constexpr unsigned long kTimerSlackNs = 1000;

}  // namespace

void RequestPreciseTimers() {
    prctl(PR_SET_TIMERSLACK, kTimerSlackNs);
}

// The slack is the thread's own and harms nothing once the window is gone.
void ReleasePreciseTimers() {}

}  // namespace Drobix::Platform::Sdl

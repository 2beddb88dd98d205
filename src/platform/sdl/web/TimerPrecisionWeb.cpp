// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/TimerPrecision.h"

namespace Drobix::Platform::Sdl {

// The browser's animation frames pace the page (web/CanvasRoute.cpp); its timers are as precise
// as it allows.
void RequestPreciseTimers() {}

void ReleasePreciseTimers() {}

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <SDL.h>

#include "platform/Clock.h"

namespace Drobix::Platform {

uint32_t GetTimeMs() {
    return SDL_GetTicks();
}

void SleepMs(uint32_t milliseconds) {
    SDL_Delay(milliseconds);
}

}  // namespace Drobix::Platform

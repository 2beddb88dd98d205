// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DisplayLoss.h"
#include "platform/sdl/SessionEnd.h"

namespace Drobix::Platform {

// A page has no display to lose, and its tab closes without asking: the data file is written
// through at every save instead (platform/web/).
void SetEmergencySaveHandler(EmergencySave /*save*/) {}

void Sdl::WatchSessionEnd(SDL_Window* /*window*/) {}

}  // namespace Drobix::Platform

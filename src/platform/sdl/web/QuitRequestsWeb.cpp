// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/QuitRequests.h"

namespace Drobix::Platform::Sdl {

// A page is closed with its tab, never asked to quit.
void CatchQuitRequests() {}

bool TakeQuitRequest() {
    return false;
}

}  // namespace Drobix::Platform::Sdl

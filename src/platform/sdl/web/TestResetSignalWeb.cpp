// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/TestResetSignal.h"

namespace Drobix::Platform::Sdl {

void CatchTestResetSignal() {}

bool TakeTestResetSignal() {
    return false;
}

}  // namespace Drobix::Platform::Sdl

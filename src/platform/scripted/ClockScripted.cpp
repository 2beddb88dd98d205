// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/scripted/ClockScripted.h"
#include "platform/Clock.h"

namespace Drobix::Platform {

namespace {
uint32_t scriptedNow = 0;
}

uint32_t GetTimeMs() {
    return scriptedNow;
}

void SleepMs(uint32_t milliseconds) {
    scriptedNow += milliseconds;
}

namespace Scripted {
void SetTimeMs(uint32_t now) {
    scriptedNow = now;
}
void AdvanceTimeMs(uint32_t milliseconds) {
    scriptedNow += milliseconds;
}
}  // namespace Scripted

}  // namespace Drobix::Platform

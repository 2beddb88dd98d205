// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/EventPumpDecision.h"

namespace Drobix::Platform {

bool EventPumpDecision::ShouldPump(const Pass& pass) {
    if (pass.serverSentSomething) {
        pumpUntilMs_ = pass.nowMs + kPumpAfterInputMs;
    }
    const bool timedOut = !pumped_ || pass.nowMs - lastPumpMs_ >= kTimedPumpMs;
    if (!pass.serverWatched || pass.padOpen || pass.devicesChanged || !pass.focused ||
        pass.nowMs < pumpUntilMs_ || timedOut) {
        return Pump(pass.nowMs);
    }
    return false;
}

bool EventPumpDecision::Pump(uint64_t nowMs) {
    pumped_ = true;
    lastPumpMs_ = nowMs;
    return true;
}

}  // namespace Drobix::Platform

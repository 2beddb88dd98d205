// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/scripted/DisplayLossScripted.h"
#include "platform/DisplayLoss.h"

namespace Drobix::Platform {

namespace {
EmergencySave emergencySave = nullptr;
}  // namespace

void SetEmergencySaveHandler(EmergencySave save) {
    emergencySave = save;
}

namespace Scripted {

void LoseDisplay() {
    if (emergencySave != nullptr) {
        emergencySave();
    }
}

}  // namespace Scripted

}  // namespace Drobix::Platform

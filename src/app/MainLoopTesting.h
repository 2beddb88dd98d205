// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Only tests, benchmarks and drobix-replay use this: a look at the main loop's state and the
// controls that stand in for the window's activation.

#include <string>

#include "app/IScreen.h"

namespace Drobix::Testing {

ScreenNumber GetCurrentScreenNumber();
// The frame's own state back to its start: inactive, no timers, no figure. Screens stay.
void ResetMainLoop();
// What the window's activation does: an inactive program only sleeps, and the current screen
// hears of the loss.
void SetApplicationActive(bool active);
bool IsFpsShown();
const std::string& GetFpsText();

}  // namespace Drobix::Testing

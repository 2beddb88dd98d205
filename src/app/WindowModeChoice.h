// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "platform/Presenter.h"
#include "storage/Preferences.h"

namespace Drobix {

// Sets the mode the window opens in: the one given for this run, else the one the player chose
// last (kept in the settings file), else full screen.
void ChooseStartWindowMode(std::optional<Platform::WindowMode> forThisRun);

// Remembers the window's mode for the next run, written to the settings file at once, when the
// player switched it during this one and it differs from the mode remembered. Called on every
// pass of the main loop while the window is open.
void RememberWindowMode();

// The mode the window is in now.
PreferredWindowMode CurrentWindowMode();
// Switches the window to the mode at once, and keeps it as the player's choice.
void ChangeWindowMode(PreferredWindowMode mode);

}  // namespace Drobix

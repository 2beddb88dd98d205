// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "platform/Presenter.h"

namespace Drobix {

// Sets the mode the window opens in: the one given for this run, else the one the player chose
// last (remembered in its own file), else full screen.
void ChooseStartWindowMode(std::optional<Platform::WindowMode> forThisRun);

// Remembers the window's mode for the next run when the player switched it during this one.
// Called while the window is still open.
void RememberWindowMode();

}  // namespace Drobix

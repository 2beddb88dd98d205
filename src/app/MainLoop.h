// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

#include "app/IScreen.h"

namespace Drobix {

// The installed DirectX version as text, shown by the intro screen.
extern std::string& directXVersionText;

// The screen table owns its screens.
void AddScreen(ScreenNumber screenNumber, std::unique_ptr<IScreen> screen);
IScreen* GetScreen(ScreenNumber screenNumber);
// Destroys every screen in ascending order of number.
void DestroyScreens();

// The old screen's OnLeave, then the new screen's OnEnter.
void SwitchScreen(ScreenNumber screenNumber);

// Runs until the quit event.
void RunMainLoop();
// One pass of the loop: false once the quit event has ended it.
bool RunMainLoopPass();
// The current screen puts what the player has earned into the settings record before the
// session's save: the quit event runs it, and so does the save when the display is lost.
void EndSession();
// Posts the quit event: the loop ends at its next pass, as when the window is closed.
void RequestQuit();

}  // namespace Drobix

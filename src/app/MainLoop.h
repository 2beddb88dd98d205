#pragma once

#include <memory>
#include <string>

#include "app/IScreen.h"

namespace Drobix {

// The installed DirectX version as text, shown by the intro screen.
extern std::string directXVersionText;

// The screen table owns its screens.
void AddScreen(int screenNumber, std::unique_ptr<IScreen> screen);
IScreen* GetScreen(int screenNumber);
// Destroys every screen in ascending order of number.
void DestroyScreens();

int GetCurrentScreenNumber();
// The old screen's OnLeave, then the new screen's OnEnter.
void SwitchScreen(int screenNumber);

// Runs until the quit event.
void RunMainLoop();
// One pass of the loop: false once the quit event has ended it.
bool RunMainLoopPass();
// Posts the quit event: the loop ends at its next pass, as when the window is closed.
void RequestQuit();
// The frame's own state back to its start: inactive, no timers, no figure. Screens stay.
void ResetMainLoop();

// What the window's activation does: an inactive program only sleeps.
void SetApplicationActive(bool active);
bool IsApplicationActive();
bool IsFpsShown();
const std::string& GetFpsText();

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <SDL.h>

#include "platform/helpers/GamepadMapping.h"

// Gamepads through SDL's game-controller interface, plugged in and out while the game runs.
// Their buttons hold virtual keys (platform/helpers/GamepadMapping.h) beside the keyboard's.
namespace Drobix::Platform::Sdl {

// Brings up SDL's game-controller support once; the pads already present then arrive as
// events like those plugged in later. Without it no pad is ever seen, and nothing fails.
void StartGamepads();

// The event pump hands every controller event here: a pad added is opened, a pad removed
// closed.
void ObserveGamepadEvent(const SDL_Event& event);

bool HasOpenGamepads();

// The virtual keys that all open pads hold down now.
VirtualKeySet GamepadKeysDown();
bool IsGamepadKeyDown(int virtualKey);
// Whether any open pad holds the button (the stick standing in for the D-pad).
bool IsGamepadButtonDown(PadButton button);

// Closes every open pad.
void StopGamepads();

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

#include "platform/shared/GamepadMapping.h"

// The script's hold on the scripted keyboard, which implements platform/Keyboard.h.
namespace Drobix::Platform::Scripted {

// Exactly these virtual keys are down from now on. Caps Lock's toggle is on while it is held.
void SetKeysDown(std::span<const int> virtualKeys);
void SetKeyDown(int virtualKey, bool down);
void ReleaseAllKeys();
// Makes a key behave as a dead key of the layout: it types nothing by itself.
void SetDeadKey(int virtualKey, bool dead);

// One pad, plugged in or not; while plugged in it holds its buttons and their keys as given.
void SetPadConnected(bool connected);
void SetPadState(const GamepadState& pad);

}  // namespace Drobix::Platform::Scripted

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

#include "platform/helpers/GamepadMapping.h"

// The script's hold on the scripted keyboard, which implements platform/Keyboard.h.
namespace Drobix::Platform::Scripted {

// Exactly these virtual keys are down from now on. Caps Lock's toggle is on while it is held.
// While text input is on, each key that goes down types its character, in the order given; the
// scripted keyboard never repeats.
void SetKeysDown(std::span<const int> virtualKeys);
void SetKeyDown(int virtualKey, bool down);
void ReleaseAllKeys();
// Text typed as an input method sends it, UTF-8, while text input is on.
void TypeText(std::string_view utf8);
// Makes a key behave as a dead key of the layout: it types nothing by itself.
void SetDeadKey(int virtualKey, bool dead);

// One pad, plugged in or not; while plugged in it holds its buttons and their keys as given.
void SetPadConnected(bool connected);
void SetPadState(const GamepadState& pad);

}  // namespace Drobix::Platform::Scripted

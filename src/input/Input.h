// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "platform/Gamepad.h"
#include "platform/Keyboard.h"

namespace Drobix {

// The program's key names are Windows virtual-key codes.
namespace VirtualKey = Platform::VirtualKey;

// Nothing to prepare; always true.
bool InitInput();
void ShutdownInput();

// Whether the key is held down at this moment. No edges, no state.
bool IsKeyDown(int virtualKey);

// Whether the key is held down on the keyboard itself, whatever a pad holds.
bool IsKeyboardKeyDown(int virtualKey);

// A pad's buttons, read apart from the keys they also hold.
using PadButton = Platform::PadButton;
bool IsButtonDown(PadButton button);
bool IsPadPresent();

// The key's name as the settings file writes it ("Left", "Z"); empty for a key that cannot be
// bound.
std::string_view KeyName(int virtualKey);

// The character the held keys type, with the user's layout, Shift and Caps Lock applied: the
// lowest virtual-key code that types exactly one character wins. Control characters count; the
// caller filters them. False, with out unchanged, when no key types anything.
bool ReadTypedCharacter(char* out);

// Typing as the window system reports it, for the modern handling's name entry: each press of a
// key types once, and again as the keyboard repeats, in the order pressed; keys already down at
// StartTyping type nothing until pressed again.
void StartTyping();
void StopTyping();
// Replaces text with what was typed since the last call, Windows-1252, control characters left
// out. Nothing while typing is stopped.
void TakeTypedText(std::string& text);

}  // namespace Drobix

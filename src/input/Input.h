// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Keyboard.h"

namespace Drobix {

// The program's key names are Windows virtual-key codes.
namespace VirtualKey = Platform::VirtualKey;

// Nothing to prepare; always true.
bool InitInput();
void ShutdownInput();

// Whether the key is held down at this moment. No edges, no state.
bool IsKeyDown(int virtualKey);

// The character the held keys type, with the user's layout, Shift and Caps Lock applied: the
// lowest virtual-key code that types exactly one character wins. Control characters count; the
// caller filters them. False, with out unchanged, when no key types anything.
bool ReadTypedCharacter(char* out);

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "input/Input.h"
#include "input/KeyPresses.h"
#include "storage/Preferences.h"

namespace Drobix {

// A key as the handling reads it. Classic: whether it is held, for the reader's own key gate to
// pace. Modern: whether it acts in this frame, by its press and then its repeat.
inline bool IsKeyActing(int virtualKey) {
    return IsModernHandling() ? KeyActs(virtualKey) : IsKeyDown(virtualKey);
}

inline bool IsKeyboardKeyActing(int virtualKey) {
    return IsModernHandling() ? KeyboardKeyActs(virtualKey) : IsKeyboardKeyDown(virtualKey);
}

inline bool IsButtonActing(PadButton button) {
    return IsModernHandling() ? ButtonActs(button) : IsButtonDown(button);
}

}  // namespace Drobix

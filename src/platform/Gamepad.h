// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Gamepads' own buttons, read apart from the keyboard, for the places where a pad does what no
// key can (the letter picker) or must keep working whatever keys the player bound. Backends:
// sdl/KeyboardSdl.cpp (every pad SDL's game-controller interface has open) and
// scripted/KeyboardScripted.cpp (one pad, held as the script says).

namespace Drobix::Platform {

// The buttons of a pad laid out as the common console pads are: A at the bottom of the four
// face buttons, B on the right, X on the left, Y at the top.
enum class PadButton {
    A,
    B,
    X,
    Y,
    Back,
    Start,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    Count,
};

constexpr int kPadButtonCount = static_cast<int>(PadButton::Count);

// Whether any pad holds the button down now. The D-pad's four count as held also while the left
// stick is pushed that way.
bool IsPadButtonDown(PadButton button);

// Whether a pad is plugged in.
bool IsPadConnected();

}  // namespace Drobix::Platform

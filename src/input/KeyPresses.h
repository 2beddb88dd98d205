// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "input/Input.h"

namespace Drobix {

// The repeat of a held key, in milliseconds: the first after the delay, then one per interval.
struct KeyRepeat {
    uint32_t delayMs = 0;
    uint32_t intervalMs = 1;
};

// Whether repeats count, or only the press that starts a hold.
enum class Repeats { Yes, No };

// Presses and repeats of every key and pad button, as the modern handling reads them: a key acts
// in the frame it goes down, then after the delay once per interval while it is held. A key held
// back (down when a screen or a prompt opened) does nothing until it has been released.
// Tracked in every frame whatever the handling, so that a switch of handling never sees a held
// key as a new press.

// Once per frame, before the screen reads its keys.
void TrackKeyPresses(uint32_t elapsedMs, KeyRepeat repeat);

// Every key and button down now does nothing more until released; none acts in this frame.
void HoldBackHeldKeys();

// Whether the key (on the keyboard or through a pad, as IsKeyDown) acts in this frame.
bool KeyActs(int virtualKey, Repeats repeats = Repeats::Yes);
// The keyboard's key alone, as IsKeyboardKeyDown.
bool KeyboardKeyActs(int virtualKey, Repeats repeats = Repeats::Yes);
bool ButtonActs(PadButton button, Repeats repeats = Repeats::Yes);

// Forgets every press and hold: the state at start-up.
void ResetKeyPresses();

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which virtual keys a gamepad's buttons and left stick hold down. Both backends read a pad
// through this one table, so that a pad goes through every key gate as the keyboard does.

#include <array>
#include <bitset>
#include <cstdint>

#include "platform/Gamepad.h"
#include "platform/Keyboard.h"

namespace Drobix::Platform {

// An axis runs from -32768 to 32767; triggers from 0 to 32767.
constexpr int kAxisMin = -32768;
constexpr int kAxisMax = 32767;
// The stick counts as pushed beyond about a third of its travel, so that a stick at rest that
// does not quite centre moves nothing.
constexpr int kStickDeadZone = 12000;
// A trigger counts as pressed beyond half its travel.
constexpr int kTriggerThreshold = 16384;

struct GamepadState {
    std::bitset<kPadButtonCount> buttons;
    int16_t leftX = 0;  // negative: left
    int16_t leftY = 0;  // negative: up
    int16_t leftTrigger = 0;
    int16_t rightTrigger = 0;

    void Press(PadButton button, bool down = true) { buttons[static_cast<size_t>(button)] = down; }
};

using VirtualKeySet = std::bitset<kVirtualKeyCount>;

// Values read from a device, clamped into an axis's range.
int16_t ClampAxis(long value);

// The virtual keys that the pad holds down.
VirtualKeySet VirtualKeysOf(const GamepadState& pad);

// Whether the pad holds the button, the stick standing in for the D-pad along its stronger axis.
bool IsHeld(const GamepadState& pad, PadButton button);

}  // namespace Drobix::Platform

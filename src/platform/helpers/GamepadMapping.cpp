// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/GamepadMapping.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace Drobix::Platform {

namespace {

constexpr int kKeyYes = 'Y';
constexpr int kKeyNo = 'N';

struct ButtonKeys {
    PadButton button;
    std::initializer_list<int> keys;
};

// One button may hold several keys: each screen reads only its own, and no screen reads two
// keys of one button in a way that makes them compete. A turns in play, says yes to a prompt
// and starts a game from the main menu; B backs out of everything; X and Y drop and open the
// instructions and the options; Start pauses; the shoulders and triggers are the options'
// higher digits. In play and in the name entry the game reads the buttons themselves.
const ButtonKeys kButtonKeys[] = {
    {PadButton::A, {VirtualKey::kUp, kKeyYes, VirtualKey::kEnter, VirtualKey::kDigit0 + 3}},
    {PadButton::B, {kKeyNo, VirtualKey::kEscape}},
    {PadButton::X, {VirtualKey::kSpace, VirtualKey::kDigit0 + 1}},
    {PadButton::Y, {VirtualKey::kSpace, VirtualKey::kDigit0 + 2}},
    {PadButton::Back, {VirtualKey::kGrave}},
    {PadButton::Start, {VirtualKey::kPause}},
    {PadButton::LeftShoulder, {VirtualKey::kDigit0 + 4}},
    {PadButton::RightShoulder, {VirtualKey::kDigit0 + 5}},
    {PadButton::DpadUp, {VirtualKey::kUp}},
    {PadButton::DpadDown, {VirtualKey::kDown}},
    {PadButton::DpadLeft, {VirtualKey::kLeft}},
    {PadButton::DpadRight, {VirtualKey::kRight}},
};

constexpr int kLeftTriggerKey = VirtualKey::kDigit0 + 6;
constexpr int kRightTriggerKey = VirtualKey::kDigit0 + 7;

// Only the stick's stronger axis counts, so that pushing it sideways never turns the block by
// a slight lean upwards. Count when the stick rests.
PadButton StickDirection(const GamepadState& pad) {
    const int x = pad.leftX;
    const int y = pad.leftY;
    if (std::max(std::abs(x), std::abs(y)) <= kStickDeadZone) {
        return PadButton::Count;
    }
    if (std::abs(x) >= std::abs(y)) {
        return x < 0 ? PadButton::DpadLeft : PadButton::DpadRight;
    }
    return y < 0 ? PadButton::DpadUp : PadButton::DpadDown;
}

void AddStick(const GamepadState& pad, VirtualKeySet& keys) {
    switch (StickDirection(pad)) {
        case PadButton::DpadLeft:
            keys.set(VirtualKey::kLeft);
            break;
        case PadButton::DpadRight:
            keys.set(VirtualKey::kRight);
            break;
        case PadButton::DpadUp:
            keys.set(VirtualKey::kUp);
            break;
        case PadButton::DpadDown:
            keys.set(VirtualKey::kDown);
            break;
        default:
            break;
    }
}

}  // namespace

int16_t ClampAxis(long value) {
    return static_cast<int16_t>(std::clamp<long>(value, kAxisMin, kAxisMax));
}

VirtualKeySet VirtualKeysOf(const GamepadState& pad) {
    VirtualKeySet keys;
    for (const ButtonKeys& entry : kButtonKeys) {
        if (pad.buttons[static_cast<size_t>(entry.button)]) {
            for (const int key : entry.keys) {
                keys.set(static_cast<size_t>(key));
            }
        }
    }
    if (pad.leftTrigger > kTriggerThreshold) {
        keys.set(kLeftTriggerKey);
    }
    if (pad.rightTrigger > kTriggerThreshold) {
        keys.set(kRightTriggerKey);
    }
    AddStick(pad, keys);
    return keys;
}

bool IsHeld(const GamepadState& pad, PadButton button) {
    const auto index = static_cast<size_t>(button);
    if (index >= static_cast<size_t>(kPadButtonCount)) {
        return false;
    }
    return pad.buttons[index] || StickDirection(pad) == button;
}

}  // namespace Drobix::Platform

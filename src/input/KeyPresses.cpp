// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "input/KeyPresses.h"

#include <array>

namespace Drobix {

namespace {

// One key's hold.
struct KeySlot {
    bool down = false;
    bool heldBack = false;
    // The key went down in this frame.
    bool pressed = false;
    // The key went down or repeats in this frame.
    bool acts = false;
    bool repeating = false;
    // Since the press, then since the last repeat, less any remainder of a frame.
    uint32_t heldMs = 0;
};

struct KeyPressState {
    std::array<KeySlot, Platform::kVirtualKeyCount> keys;
    std::array<KeySlot, Platform::kVirtualKeyCount> keyboardKeys;
    std::array<KeySlot, Platform::kPadButtonCount> buttons;
};

KeyPressState state;

void Step(KeySlot& slot, bool down, uint32_t elapsedMs, KeyRepeat repeat) {
    slot.pressed = false;
    slot.acts = false;
    if (!down) {
        slot = KeySlot{};
        return;
    }
    if (!slot.down) {
        slot.down = true;
        slot.pressed = !slot.heldBack;
        slot.acts = slot.pressed;
        return;
    }
    slot.heldMs += elapsedMs;
    const uint32_t due = slot.repeating ? repeat.intervalMs : repeat.delayMs;
    if (slot.heldBack || slot.heldMs < due) {
        return;
    }
    slot.acts = true;
    slot.repeating = true;
    // At most one repeat a frame, however long the frame; the remainder keeps the pace even.
    slot.heldMs = (slot.heldMs - due) % repeat.intervalMs;
}

void HoldBack(KeySlot& slot) {
    slot.heldBack = slot.down;
    slot.pressed = false;
    slot.acts = false;
}

bool Acts(const KeySlot& slot, Repeats repeats) {
    return repeats == Repeats::Yes ? slot.acts : slot.pressed;
}

bool IsValidKey(int virtualKey) {
    return virtualKey >= 0 && virtualKey < Platform::kVirtualKeyCount;
}

}  // namespace

void TrackKeyPresses(uint32_t elapsedMs, KeyRepeat repeat) {
    if (repeat.intervalMs == 0) {
        repeat.intervalMs = 1;
    }
    Platform::KeySet keyboardDown;
    Platform::KeySet anyDown;
    Platform::ReadKeysDown(keyboardDown, anyDown);
    for (size_t key = 0; key < state.keys.size(); ++key) {
        Step(state.keys[key], anyDown[key], elapsedMs, repeat);
        Step(state.keyboardKeys[key], keyboardDown[key], elapsedMs, repeat);
    }
    for (size_t button = 0; button < state.buttons.size(); ++button) {
        Step(state.buttons[button], IsButtonDown(static_cast<PadButton>(button)), elapsedMs,
             repeat);
    }
}

void HoldBackHeldKeys() {
    for (KeySlot& slot : state.keys) {
        HoldBack(slot);
    }
    for (KeySlot& slot : state.keyboardKeys) {
        HoldBack(slot);
    }
    for (KeySlot& slot : state.buttons) {
        HoldBack(slot);
    }
}

bool KeyActs(int virtualKey, Repeats repeats) {
    return IsValidKey(virtualKey) && Acts(state.keys[static_cast<size_t>(virtualKey)], repeats);
}

bool KeyboardKeyActs(int virtualKey, Repeats repeats) {
    return IsValidKey(virtualKey) &&
           Acts(state.keyboardKeys[static_cast<size_t>(virtualKey)], repeats);
}

bool ButtonActs(PadButton button, Repeats repeats) {
    const auto index = static_cast<size_t>(button);
    return index < state.buttons.size() && Acts(state.buttons[index], repeats);
}

void ResetKeyPresses() {
    state = KeyPressState{};
}

}  // namespace Drobix

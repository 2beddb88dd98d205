// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The scripted keyboard types as a US layout does, Num Lock on; its key states come from the
// script.
#include <bitset>
#include <string>

#include "platform/Gamepad.h"
#include "platform/Keyboard.h"
#include "platform/helpers/TypedText.h"
#include "platform/scripted/KeyboardScripted.h"

namespace Drobix::Platform {

namespace {

// The keys the script holds down, and those it made dead keys; the text typed while text input
// is on, and the keys held back from typing (down when it started, until released).
struct KeyboardState {
    std::bitset<kVirtualKeyCount> keysDown;
    std::bitset<kVirtualKeyCount> deadKeys;
    bool padConnected = false;
    GamepadState pad;
    bool textInputOn = false;
    std::string typed;
    std::bitset<kVirtualKeyCount> heldBackFromText;
};

KeyboardState keyboard;

constexpr char kNone = 0;

struct KeyCharacters {
    char plain;
    char shifted;
};

// US layout: what each non-letter key types, without and with Shift.
KeyCharacters UsLayoutCharacters(int virtualKey) {
    static constexpr char kDigits[] = "0123456789";
    static constexpr char kShiftedDigits[] = ")!@#$%^&*(";
    if (virtualKey >= VirtualKey::kDigit0 && virtualKey <= VirtualKey::kDigit0 + 9) {
        const int digit = virtualKey - VirtualKey::kDigit0;
        return {kDigits[digit], kShiftedDigits[digit]};
    }
    // The keypad's keys, Num Lock on; Shift does not change them.
    if (virtualKey >= VirtualKey::kNumpad0 && virtualKey <= VirtualKey::kNumpad0 + 9) {
        const char digit = kDigits[virtualKey - VirtualKey::kNumpad0];
        return {digit, digit};
    }
    switch (virtualKey) {
        case VirtualKey::kBackspace:
            return {'\b', '\b'};
        case VirtualKey::kTab:
            return {'\t', '\t'};
        case VirtualKey::kEnter:
            return {'\r', '\r'};
        case VirtualKey::kEscape:
            return {'\x1B', '\x1B'};
        case VirtualKey::kSpace:
            return {' ', ' '};
        case VirtualKey::kMultiply:
            return {'*', '*'};
        case VirtualKey::kAdd:
            return {'+', '+'};
        case VirtualKey::kSubtract:
            return {'-', '-'};
        case VirtualKey::kDecimal:
            return {'.', '.'};
        case VirtualKey::kDivide:
            return {'/', '/'};
        case 0xBA:
            return {';', ':'};
        case 0xBB:
            return {'=', '+'};
        case 0xBC:
            return {',', '<'};
        case 0xBD:
            return {'-', '_'};
        case 0xBE:
            return {'.', '>'};
        case 0xBF:
            return {'/', '?'};
        case VirtualKey::kGrave:
            return {'`', '~'};
        case 0xDB:
            return {'[', '{'};
        case 0xDC:
            return {'\\', '|'};
        case 0xDD:
            return {']', '}'};
        case 0xDE:
            return {'\'', '"'};
        default:
            return {kNone, kNone};
    }
}

bool IsLetter(int virtualKey) {
    return virtualKey >= VirtualKey::kLetterA &&
           virtualKey < VirtualKey::kLetterA + VirtualKey::kLetterCount;
}

bool IsValidKey(int virtualKey) {
    return virtualKey >= 0 && virtualKey < kVirtualKeyCount;
}

// A key that went down types what it types with the keys now held, as a window system's text
// input gives it: control characters (Enter, Backspace, Esc) are no text.
void TypeOnPress(int virtualKey) {
    if (!keyboard.textInputOn || keyboard.heldBackFromText[virtualKey]) {
        return;
    }
    KeyboardSnapshot snapshot{};
    GetKeyboardSnapshot(snapshot);
    char typed = 0;
    if (TranslateVirtualKey(virtualKey, VirtualKeyToScanCode(virtualKey), snapshot, typed) == 1) {
        AppendTypedCodePoint(static_cast<unsigned char>(typed), keyboard.typed);
    }
}

}  // namespace

void StartTextInput() {
    keyboard.textInputOn = true;
    keyboard.typed.clear();
    keyboard.heldBackFromText = keyboard.keysDown;
}

void StopTextInput() {
    keyboard.textInputOn = false;
    keyboard.typed.clear();
}

void TakeTextInput(std::string& text) {
    text.append(keyboard.typed);
    keyboard.typed.clear();
}

bool IsVirtualKeyDown(int virtualKey) {
    return IsValidKey(virtualKey) &&
           (keyboard.keysDown[virtualKey] ||
            (keyboard.padConnected && VirtualKeysOf(keyboard.pad)[virtualKey]));
}

bool IsPadButtonDown(PadButton button) {
    return keyboard.padConnected && IsHeld(keyboard.pad, button);
}

bool IsPadConnected() {
    return keyboard.padConnected;
}

bool IsKeyboardKeyDown(int virtualKey) {
    return IsValidKey(virtualKey) && keyboard.keysDown[virtualKey];
}

void ReadKeysDown(KeySet& keyboard, KeySet& anyDevice) {
    for (int key = 0; key < kVirtualKeyCount; ++key) {
        keyboard[static_cast<size_t>(key)] = IsKeyboardKeyDown(key);
        anyDevice[static_cast<size_t>(key)] = IsVirtualKeyDown(key);
    }
}

bool GetKeyboardSnapshot(KeyboardSnapshot& snapshot) {
    for (int key = 0; key < kVirtualKeyCount; ++key) {
        snapshot[key] = keyboard.keysDown[key] ? kKeyDownBit : 0;
    }
    if (keyboard.keysDown[VirtualKey::kCapsLock]) {
        snapshot[VirtualKey::kCapsLock] |= kKeyToggleBit;
    }
    return true;
}

unsigned VirtualKeyToScanCode(int virtualKey) {
    if (!IsValidKey(virtualKey)) {
        return 0;
    }
    const bool known = IsLetter(virtualKey) || UsLayoutCharacters(virtualKey).plain != kNone ||
                       keyboard.deadKeys[virtualKey] || virtualKey == VirtualKey::kShift ||
                       virtualKey == VirtualKey::kCapsLock ||
                       (virtualKey >= VirtualKey::kEnd && virtualKey <= VirtualKey::kDown);
    // Any non-zero number serves: only its being zero matters to callers.
    return known ? static_cast<unsigned>(virtualKey) : 0;
}

int TranslateVirtualKey(int virtualKey, unsigned scanCode, const KeyboardSnapshot& snapshot,
                        char& out) {
    if (!IsValidKey(virtualKey) || scanCode == 0) {
        return 0;
    }
    if (keyboard.deadKeys[virtualKey]) {
        return -1;
    }
    const bool shift = (snapshot[VirtualKey::kShift] & kKeyDownBit) != 0;
    const bool capsLock = (snapshot[VirtualKey::kCapsLock] & kKeyToggleBit) != 0;
    if (IsLetter(virtualKey)) {
        const char lower = static_cast<char>('a' + (virtualKey - VirtualKey::kLetterA));
        out = (shift != capsLock) ? static_cast<char>(lower - 'a' + 'A') : lower;
        return 1;
    }
    const KeyCharacters characters = UsLayoutCharacters(virtualKey);
    const char typed = shift ? characters.shifted : characters.plain;
    if (typed == kNone) {
        return 0;
    }
    out = typed;
    return 1;
}

namespace Scripted {

void SetKeysDown(std::span<const int> virtualKeys) {
    const std::bitset<kVirtualKeyCount> before = keyboard.keysDown;
    keyboard.keysDown.reset();
    for (const int key : virtualKeys) {
        if (IsValidKey(key)) {
            keyboard.keysDown[key] = true;
        }
    }
    keyboard.heldBackFromText &= keyboard.keysDown;
    // Keys that went down type in the order given, each with every key of the frame held.
    for (const int key : virtualKeys) {
        if (IsValidKey(key) && !before[key]) {
            TypeOnPress(key);
        }
    }
}

void SetKeyDown(int virtualKey, bool down) {
    if (!IsValidKey(virtualKey)) {
        return;
    }
    const bool pressed = down && !keyboard.keysDown[virtualKey];
    keyboard.keysDown[virtualKey] = down;
    if (!down) {
        keyboard.heldBackFromText[virtualKey] = false;
    } else if (pressed) {
        TypeOnPress(virtualKey);
    }
}

void ReleaseAllKeys() {
    keyboard.keysDown.reset();
    keyboard.heldBackFromText.reset();
}

void TypeText(std::string_view utf8) {
    if (keyboard.textInputOn) {
        AppendTypedText(utf8, keyboard.typed);
    }
}

void SetPadConnected(bool connected) {
    keyboard.padConnected = connected;
}

void SetPadState(const GamepadState& pad) {
    keyboard.pad = pad;
}

void SetDeadKey(int virtualKey, bool dead) {
    if (IsValidKey(virtualKey)) {
        keyboard.deadKeys[virtualKey] = dead;
    }
}

}  // namespace Scripted

}  // namespace Drobix::Platform

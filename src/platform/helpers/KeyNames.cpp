// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keys a player may bind, under the names SDL gives them, so that a settings file reads as
// SDL's own key names. Letters, digits, function keys and the keypad's digits are worked out;
// the rest are listed.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "platform/Keyboard.h"

namespace Drobix::Platform {

namespace {

struct NamedKey {
    int virtualKey;
    std::string_view name;
};

constexpr int kDigitCount = 10;
constexpr int kFunctionKey1 = 0x70;
constexpr int kFunctionKeyCount = 12;

constexpr NamedKey kNamedKeys[] = {
    {VirtualKey::kBackspace, "Backspace"},
    {VirtualKey::kTab, "Tab"},
    {VirtualKey::kEnter, "Return"},
    {VirtualKey::kPause, "Pause"},
    {VirtualKey::kCapsLock, "CapsLock"},
    {VirtualKey::kEscape, "Escape"},
    {VirtualKey::kSpace, "Space"},
    {0x21, "PageUp"},
    {0x22, "PageDown"},
    {VirtualKey::kEnd, "End"},
    {VirtualKey::kHome, "Home"},
    {VirtualKey::kLeft, "Left"},
    {VirtualKey::kUp, "Up"},
    {VirtualKey::kRight, "Right"},
    {VirtualKey::kDown, "Down"},
    {0x2D, "Insert"},
    {0x2E, "Delete"},
    {VirtualKey::kMultiply, "Keypad *"},
    {VirtualKey::kAdd, "Keypad +"},
    {VirtualKey::kSubtract, "Keypad -"},
    {VirtualKey::kDecimal, "Keypad ."},
    {VirtualKey::kDivide, "Keypad /"},
    {0xA0, "Left Shift"},
    {0xA1, "Right Shift"},
    {0xA2, "Left Ctrl"},
    {0xA3, "Right Ctrl"},
    {0xA4, "Left Alt"},
    {0xA5, "Right Alt"},
    {0xBA, ";"},
    {0xBB, "="},
    {0xBC, ","},
    {0xBD, "-"},
    {0xBE, "."},
    {0xBF, "/"},
    {VirtualKey::kGrave, "`"},
    {0xDB, "["},
    {0xDC, "\\"},
    {0xDD, "]"},
    {0xDE, "'"},
};

// "A".."Z", "0".."9", "F1".."F12", "Keypad 0".."Keypad 9", built once.
struct WorkedOutNames {
    std::array<std::string, VirtualKey::kLetterCount> letters;
    std::array<std::string, kDigitCount> digits;
    std::array<std::string, kFunctionKeyCount> functionKeys;
    std::array<std::string, kDigitCount> keypadDigits;

    WorkedOutNames() {
        for (int i = 0; i < VirtualKey::kLetterCount; ++i) {
            letters[i] = std::string(1, static_cast<char>('A' + i));
        }
        for (int i = 0; i < kDigitCount; ++i) {
            digits[i] = std::string(1, static_cast<char>('0' + i));
            keypadDigits[i].append("Keypad ").append(digits[i]);
        }
        for (int i = 0; i < kFunctionKeyCount; ++i) {
            functionKeys[i].append("F").append(std::to_string(i + 1));
        }
    }
};

const WorkedOutNames& Names() {
    static const WorkedOutNames names;
    return names;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string_view VirtualKeyName(int virtualKey) {
    const WorkedOutNames& names = Names();
    if (virtualKey >= VirtualKey::kLetterA &&
        virtualKey < VirtualKey::kLetterA + VirtualKey::kLetterCount) {
        return names.letters[virtualKey - VirtualKey::kLetterA];
    }
    if (virtualKey >= VirtualKey::kDigit0 && virtualKey < VirtualKey::kDigit0 + kDigitCount) {
        return names.digits[virtualKey - VirtualKey::kDigit0];
    }
    if (virtualKey >= VirtualKey::kNumpad0 && virtualKey < VirtualKey::kNumpad0 + kDigitCount) {
        return names.keypadDigits[virtualKey - VirtualKey::kNumpad0];
    }
    if (virtualKey >= kFunctionKey1 && virtualKey < kFunctionKey1 + kFunctionKeyCount) {
        return names.functionKeys[virtualKey - kFunctionKey1];
    }
    for (const NamedKey& key : kNamedKeys) {
        if (key.virtualKey == virtualKey) {
            return key.name;
        }
    }
    return {};
}

std::optional<int> VirtualKeyNamed(std::string_view name) {
    if (name.empty()) {
        return std::nullopt;
    }
    for (int key = 0; key < kVirtualKeyCount; ++key) {
        if (SameName(VirtualKeyName(key), name)) {
            return key;
        }
    }
    return std::nullopt;
}

}  // namespace Drobix::Platform

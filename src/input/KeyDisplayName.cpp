#include "input/KeyDisplayName.h"

#include <cstdio>
#include <string_view>

#include "input/Input.h"

namespace Drobix {

namespace {

struct KeyName {
    int virtualKey;
    std::string_view name;
};

constexpr KeyName kKeyNames[] = {
    {VirtualKey::kBackspace, "Backspace"},
    {VirtualKey::kTab, "Tab"},
    {VirtualKey::kEnter, "Enter"},
    {VirtualKey::kShift, "Shift"},
    {VirtualKey::kPause, "Pause"},
    {VirtualKey::kCapsLock, "Caps Lock"},
    {VirtualKey::kEscape, "Esc"},
    {VirtualKey::kSpace, "Space"},
    {VirtualKey::kEnd, "End"},
    {VirtualKey::kHome, "Home"},
    {VirtualKey::kLeft, "Left"},
    {VirtualKey::kUp, "Up"},
    {VirtualKey::kRight, "Right"},
    {VirtualKey::kDown, "Down"},
    {VirtualKey::kMultiply, "Num *"},
    {VirtualKey::kAdd, "Num +"},
    {VirtualKey::kSeparator, "Num ,"},
    {VirtualKey::kSubtract, "Num -"},
    {VirtualKey::kDecimal, "Num ."},
    {VirtualKey::kDivide, "Num /"},
    {VirtualKey::kGrave, "`"},
};

constexpr int kDigitCount = 10;

bool IsInRange(int key, int first, int count) {
    return key >= first && key < first + count;
}

}  // namespace

std::string KeyDisplayName(int virtualKey) {
    for (const KeyName& entry : kKeyNames) {
        if (entry.virtualKey == virtualKey) {
            return std::string(entry.name);
        }
    }
    if (IsInRange(virtualKey, VirtualKey::kLetterA, VirtualKey::kLetterCount) ||
        IsInRange(virtualKey, VirtualKey::kDigit0, kDigitCount)) {
        return std::string(1, static_cast<char>(virtualKey));
    }
    if (IsInRange(virtualKey, VirtualKey::kNumpad0, kDigitCount)) {
        return "Num " + std::string(1, static_cast<char>('0' + virtualKey - VirtualKey::kNumpad0));
    }
    char code[16];
    std::snprintf(code, sizeof code, "Key 0x%02X", static_cast<unsigned>(virtualKey) & 0xFFU);
    return code;
}

}  // namespace Drobix

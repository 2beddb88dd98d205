// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "input/Input.h"

namespace Drobix {

bool InitInput() {
    return true;
}

void ShutdownInput() {}

bool IsKeyDown(int virtualKey) {
    return Platform::IsVirtualKeyDown(virtualKey);
}

bool IsKeyboardKeyDown(int virtualKey) {
    return Platform::IsKeyboardKeyDown(virtualKey);
}

bool IsButtonDown(PadButton button) {
    return Platform::IsPadButtonDown(button);
}

bool IsPadPresent() {
    return Platform::IsPadConnected();
}

std::string_view KeyName(int virtualKey) {
    return Platform::VirtualKeyName(virtualKey);
}

bool ReadTypedCharacter(char* out) {
    Platform::KeyboardSnapshot snapshot{};
    if (!Platform::GetKeyboardSnapshot(snapshot)) {
        return false;
    }
    for (int key = 0; key < Platform::kVirtualKeyCount; ++key) {
        if ((snapshot[key] & Platform::kKeyDownBit) == 0) {
            continue;
        }
        const unsigned scanCode = Platform::VirtualKeyToScanCode(key);
        if (scanCode == 0) {
            continue;
        }
        char typed = 0;
        if (Platform::TranslateVirtualKey(key, scanCode, snapshot, typed) == 1) {
            *out = typed;
            return true;
        }
    }
    return false;
}

void StartTyping() {
    Platform::StartTextInput();
}

void StopTyping() {
    Platform::StopTextInput();
}

void TakeTypedText(std::string& text) {
    text.clear();
    Platform::TakeTextInput(text);
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The keyboard. Backends: sdl/KeyboardSdl.cpp (the user's layout) and
// scripted/KeyboardScripted.cpp (a US layout, keys held as the script says).

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Drobix::Platform {

// Windows virtual-key codes of the keys the program reads.
namespace VirtualKey {
constexpr int kBackspace = 0x08;
constexpr int kTab = 0x09;
constexpr int kEnter = 0x0D;
constexpr int kShift = 0x10;
constexpr int kPause = 0x13;
constexpr int kCapsLock = 0x14;
constexpr int kEscape = 0x1B;
constexpr int kSpace = 0x20;
constexpr int kEnd = 0x23;
constexpr int kHome = 0x24;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;
constexpr int kDelete = 0x2E;
constexpr int kDigit0 = 0x30;
constexpr int kLetterA = 0x41;
constexpr int kLetterCount = 26;
// The keypad's own codes: its digits with Num Lock on, then * + separator - . /
constexpr int kNumpad0 = 0x60;
constexpr int kMultiply = 0x6A;
constexpr int kAdd = 0x6B;
constexpr int kSeparator = 0x6C;
constexpr int kSubtract = 0x6D;
constexpr int kDecimal = 0x6E;
constexpr int kDivide = 0x6F;
constexpr int kGrave = 0xC0;
}  // namespace VirtualKey

constexpr int kVirtualKeyCount = 256;
// Bit 0x80 of a snapshot byte: the key is down; bit 0x01: its toggle (Caps Lock) is on.
constexpr uint8_t kKeyDownBit = 0x80;
constexpr uint8_t kKeyToggleBit = 0x01;
using KeyboardSnapshot = std::array<uint8_t, kVirtualKeyCount>;

// Whether the key is down now, on the keyboard or through a gamepad's buttons. Letters follow
// the user's layout (on a layout without Latin letters, the Latin letter at the key's position
// on a US keyboard), digits are the number row, the keypad has its own codes with Num Lock on
// and is the arrows, Home, End and the keys beside them with Num Lock off; its Enter is Enter.
// Every other key goes by its position on a US keyboard.
bool IsVirtualKeyDown(int virtualKey);

// The state of every key of the keyboard (a gamepad types nothing); false when it cannot be
// read.
bool GetKeyboardSnapshot(KeyboardSnapshot& snapshot);

// The key's scan code in the user's layout; 0 when the key has none.
unsigned VirtualKeyToScanCode(int virtualKey);

// What the key types with the modifiers of the snapshot, in Windows-1252: 1 with the character
// in out, 0 when it types nothing, negative for a dead key.
int TranslateVirtualKey(int virtualKey, unsigned scanCode, const KeyboardSnapshot& snapshot,
                        char& out);

// Typing as the window system reports it: from StartTextInput on, each press of a key that types
// gives its character once, and each repeat of the keyboard's gives it again, in the order typed,
// with the user's layout and input method. Keys already down at the start type nothing until
// pressed again. Characters are Windows-1252 as Unicode's first 256 code points give them; every
// other one is left out.
void StartTextInput();
void StopTextInput();
// Appends the characters typed since the last call (nothing while text input is stopped).
void TakeTextInput(std::string& text);

// Whether the key is down now on the keyboard alone, whatever a gamepad holds.
bool IsKeyboardKeyDown(int virtualKey);

// Every virtual key at once, as IsKeyboardKeyDown (keyboard) and IsVirtualKeyDown (anyDevice)
// tell of them one by one: for a caller that looks at all of them every frame.
using KeySet = std::bitset<kVirtualKeyCount>;
void ReadKeysDown(KeySet& keyboard, KeySet& anyDevice);

// The key's name as SDL names it ("Left", "Space", "Z", "Keypad 5"); empty for a key that has
// none the player can bind. One table for both backends: helpers/KeyNames.cpp.
std::string_view VirtualKeyName(int virtualKey);
// The key a name names, as SDL's names are matched: letters' case ignored. Nothing for a name
// of no key the program can read.
std::optional<int> VirtualKeyNamed(std::string_view name);

}  // namespace Drobix::Platform

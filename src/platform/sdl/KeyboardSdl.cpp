// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keys by Windows virtual-key code on SDL. What a key types is learned from the text the
// system's input method produces for it, so the user's real layout, Shift, Caps Lock and AltGr
// apply and dead keys type nothing. Letters are the keys seen typing them, else what SDL's keymap
// says: it follows a new layout but not a switch of the layout's group.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/Gamepad.h"
#include "platform/Keyboard.h"
#include "platform/helpers/TypedText.h"
#include "platform/sdl/GamepadSdl.h"
#include "platform/sdl/KeyboardSdl.h"

namespace Drobix::Platform {

namespace {

constexpr int kDigitCount = 10;
constexpr int kClear = 0x0C;
constexpr int kPageUp = 0x21;
constexpr int kPageDown = 0x22;
constexpr int kInsert = 0x2D;
constexpr int kControl = 0x11;
constexpr int kAlt = 0x12;
constexpr int kRightAlt = 0xA5;

// A keypad key is its own code with Num Lock on and the navigation key printed on it without;
// the operators and Enter are the same either way.
struct KeypadKey {
    SDL_Scancode scancode;
    int numLockKey;
    int navigationKey;
    char typed;
};

constexpr KeypadKey kKeypadKeys[] = {
    {SDL_SCANCODE_KP_0, VirtualKey::kNumpad0 + 0, kInsert, '0'},
    {SDL_SCANCODE_KP_1, VirtualKey::kNumpad0 + 1, VirtualKey::kEnd, '1'},
    {SDL_SCANCODE_KP_2, VirtualKey::kNumpad0 + 2, VirtualKey::kDown, '2'},
    {SDL_SCANCODE_KP_3, VirtualKey::kNumpad0 + 3, kPageDown, '3'},
    {SDL_SCANCODE_KP_4, VirtualKey::kNumpad0 + 4, VirtualKey::kLeft, '4'},
    {SDL_SCANCODE_KP_5, VirtualKey::kNumpad0 + 5, kClear, '5'},
    {SDL_SCANCODE_KP_6, VirtualKey::kNumpad0 + 6, VirtualKey::kRight, '6'},
    {SDL_SCANCODE_KP_7, VirtualKey::kNumpad0 + 7, VirtualKey::kHome, '7'},
    {SDL_SCANCODE_KP_8, VirtualKey::kNumpad0 + 8, VirtualKey::kUp, '8'},
    {SDL_SCANCODE_KP_9, VirtualKey::kNumpad0 + 9, kPageUp, '9'},
    {SDL_SCANCODE_KP_PERIOD, VirtualKey::kDecimal, VirtualKey::kDelete, '.'},
    {SDL_SCANCODE_KP_MULTIPLY, VirtualKey::kMultiply, VirtualKey::kMultiply, '*'},
    {SDL_SCANCODE_KP_PLUS, VirtualKey::kAdd, VirtualKey::kAdd, '+'},
    {SDL_SCANCODE_KP_COMMA, VirtualKey::kSeparator, VirtualKey::kSeparator, ','},
    {SDL_SCANCODE_KP_MINUS, VirtualKey::kSubtract, VirtualKey::kSubtract, '-'},
    {SDL_SCANCODE_KP_DIVIDE, VirtualKey::kDivide, VirtualKey::kDivide, '/'},
    {SDL_SCANCODE_KP_ENTER, VirtualKey::kEnter, VirtualKey::kEnter, '\r'},
};

bool IsNumLockOn() {
    return (SDL_GetModState() & KMOD_NUM) != 0;
}

// The keypad key whose own code is virtualKey, if any.
const KeypadKey* KeypadKeyWithCode(int virtualKey) {
    for (const KeypadKey& key : kKeypadKeys) {
        if (key.numLockKey == virtualKey && key.numLockKey != VirtualKey::kEnter) {
            return &key;
        }
    }
    return nullptr;
}

// Keys that are not letters or digits, by their position on a US keyboard.
SDL_Scancode PositionalScancode(int virtualKey) {
    switch (virtualKey) {
        case VirtualKey::kBackspace:
            return SDL_SCANCODE_BACKSPACE;
        case VirtualKey::kTab:
            return SDL_SCANCODE_TAB;
        case VirtualKey::kEnter:
            return SDL_SCANCODE_RETURN;
        case VirtualKey::kPause:
            return SDL_SCANCODE_PAUSE;
        case VirtualKey::kCapsLock:
            return SDL_SCANCODE_CAPSLOCK;
        case VirtualKey::kEscape:
            return SDL_SCANCODE_ESCAPE;
        case VirtualKey::kSpace:
            return SDL_SCANCODE_SPACE;
        case kPageUp:
            return SDL_SCANCODE_PAGEUP;
        case kPageDown:
            return SDL_SCANCODE_PAGEDOWN;
        case VirtualKey::kEnd:
            return SDL_SCANCODE_END;
        case VirtualKey::kHome:
            return SDL_SCANCODE_HOME;
        case VirtualKey::kLeft:
            return SDL_SCANCODE_LEFT;
        case VirtualKey::kUp:
            return SDL_SCANCODE_UP;
        case VirtualKey::kRight:
            return SDL_SCANCODE_RIGHT;
        case VirtualKey::kDown:
            return SDL_SCANCODE_DOWN;
        case kInsert:
            return SDL_SCANCODE_INSERT;
        case VirtualKey::kDelete:
            return SDL_SCANCODE_DELETE;
        case 0xA0:
            return SDL_SCANCODE_LSHIFT;
        case 0xA1:
            return SDL_SCANCODE_RSHIFT;
        case 0xA2:
            return SDL_SCANCODE_LCTRL;
        case 0xA3:
            return SDL_SCANCODE_RCTRL;
        case 0xA4:
            return SDL_SCANCODE_LALT;
        case kRightAlt:
            return SDL_SCANCODE_RALT;
        case 0xBA:
            return SDL_SCANCODE_SEMICOLON;
        case 0xBB:
            return SDL_SCANCODE_EQUALS;
        case 0xBC:
            return SDL_SCANCODE_COMMA;
        case 0xBD:
            return SDL_SCANCODE_MINUS;
        case 0xBE:
            return SDL_SCANCODE_PERIOD;
        case 0xBF:
            return SDL_SCANCODE_SLASH;
        case VirtualKey::kGrave:
            return SDL_SCANCODE_GRAVE;
        case 0xDB:
            return SDL_SCANCODE_LEFTBRACKET;
        case 0xDC:
            return SDL_SCANCODE_BACKSLASH;
        case 0xDD:
            return SDL_SCANCODE_RIGHTBRACKET;
        case 0xDE:
            return SDL_SCANCODE_APOSTROPHE;
        case 0xE2:
            return SDL_SCANCODE_NONUSBACKSLASH;
        default:
            break;
    }
    if (virtualKey >= 0x70 && virtualKey < 0x70 + 12) {  // F1..F12
        return static_cast<SDL_Scancode>(SDL_SCANCODE_F1 + (virtualKey - 0x70));
    }
    return SDL_SCANCODE_UNKNOWN;
}

// What a key typed, learned from the text that followed its key press.
struct LearnedKey {
    SDL_Scancode scancode;
    bool shift;
    bool capsLock;
    bool altGr;
    // clang-tidy 14 reads the defaulted comparison as a literal 0 compared with a pointer.
    // NOLINTNEXTLINE(modernize-use-nullptr)
    auto operator<=>(const LearnedKey&) const = default;
};

// What the key presses and their text have taught so far.
struct KeyboardState {
    // A learned value of nullopt: the key typed nothing (a dead key, for instance).
    std::map<LearnedKey, std::optional<char>> learnedCharacters;
    // The last key press that may type, until its text arrives.
    std::optional<LearnedKey> awaitingText;
    bool composing = false;
    // The key that last typed each Latin letter (SDL_SCANCODE_UNKNOWN: none yet). SDL's keymap is
    // not told when the layout's group changes; the text is.
    std::array<SDL_Scancode, VirtualKey::kLetterCount> letterKeys{};
};

KeyboardState keyboard;

// The text typed while text input is on, and the keys held back from typing: those down when it
// started, until released.
struct TextInputState {
    bool on = false;
    std::string typed;
    std::array<bool, SDL_NUM_SCANCODES> heldBack{};
    // The last key press was of a held-back key: the text that follows it is its repeat.
    bool dropNextText = false;
};

TextInputState textInput;

bool IsLatinLetterKeycode(SDL_Keycode keycode) {
    return keycode >= SDLK_a && keycode <= SDLK_z;
}

bool TypedAnotherLetter(SDL_Scancode scancode) {
    return std::find(keyboard.letterKeys.begin(), keyboard.letterKeys.end(), scancode) !=
           keyboard.letterKeys.end();
}

// The key that types the letter: the one seen typing it, else the one the keymap says, else, on a
// layout where no key does (Cyrillic, Greek), the key at the letter's place on a US keyboard
// unless that key types another Latin letter. A key seen typing another letter is never it.
SDL_Scancode LetterScancode(int index) {
    const SDL_Scancode learned = keyboard.letterKeys[static_cast<size_t>(index)];
    if (learned != SDL_SCANCODE_UNKNOWN) {
        return learned;
    }
    SDL_Scancode key = SDL_GetScancodeFromKey(static_cast<SDL_Keycode>(SDLK_a + index));
    if (key == SDL_SCANCODE_UNKNOWN) {
        const auto position = static_cast<SDL_Scancode>(SDL_SCANCODE_A + index);
        key = IsLatinLetterKeycode(SDL_GetKeyFromScancode(position)) ? SDL_SCANCODE_UNKNOWN
                                                                     : position;
    }
    return TypedAnotherLetter(key) ? SDL_SCANCODE_UNKNOWN : key;
}

SDL_Scancode ScancodeOf(int virtualKey) {
    if (virtualKey >= VirtualKey::kLetterA &&
        virtualKey < VirtualKey::kLetterA + VirtualKey::kLetterCount) {
        return LetterScancode(virtualKey - VirtualKey::kLetterA);
    }
    if (virtualKey >= VirtualKey::kDigit0 && virtualKey < VirtualKey::kDigit0 + kDigitCount) {
        const int digit = virtualKey - VirtualKey::kDigit0;
        return digit == 0 ? SDL_SCANCODE_0
                          : static_cast<SDL_Scancode>(SDL_SCANCODE_1 + (digit - 1));
    }
    if (const KeypadKey* keypad = KeypadKeyWithCode(virtualKey)) {
        return keypad->scancode;
    }
    return PositionalScancode(virtualKey);
}

bool IsScancodeDown(SDL_Scancode scancode) {
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    return scancode != SDL_SCANCODE_UNKNOWN && scancode < count && state[scancode] != 0;
}

// Some layouts report AltGr as a key of its own.
bool IsAltGrDown() {
    return IsScancodeDown(SDL_SCANCODE_RALT) || IsScancodeDown(SDL_SCANCODE_MODE);
}

// The generic modifier codes stand for either of their two keys.
bool IsModifierDown(int virtualKey, bool& known) {
    known = true;
    switch (virtualKey) {
        case VirtualKey::kShift:
            return IsScancodeDown(SDL_SCANCODE_LSHIFT) || IsScancodeDown(SDL_SCANCODE_RSHIFT);
        case kControl:
            return IsScancodeDown(SDL_SCANCODE_LCTRL) || IsScancodeDown(SDL_SCANCODE_RCTRL);
        case kAlt:
            return IsScancodeDown(SDL_SCANCODE_LALT) || IsAltGrDown();
        case kRightAlt:
            return IsAltGrDown();
        default:
            known = false;
            return false;
    }
}

bool IsModifierScancode(SDL_Scancode scancode) {
    return (scancode >= SDL_SCANCODE_LCTRL && scancode <= SDL_SCANCODE_RGUI) ||
           scancode == SDL_SCANCODE_CAPSLOCK || scancode == SDL_SCANCODE_MODE;
}

// One code point from UTF-8 text when the text is exactly one, in Windows-1252's Latin range.
std::optional<char> SingleLatinCharacter(const char* text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    if (bytes[0] != 0 && bytes[0] < 0x80 && bytes[1] == 0) {
        return static_cast<char>(bytes[0]);
    }
    // Two-byte sequences C2 xx and C3 xx are U+0080..U+00FF, the same bytes in Windows-1252
    // from 0xA0 on.
    if ((bytes[0] == 0xC2 || bytes[0] == 0xC3) && (bytes[1] & 0xC0) == 0x80 && bytes[2] == 0) {
        const int codePoint = ((bytes[0] & 0x1F) << 6) | (bytes[1] & 0x3F);
        if (codePoint >= 0xA0) {
            return static_cast<char>(codePoint);
        }
    }
    return std::nullopt;
}

// Keys that never type text (arrows, Enter, function keys) are translated by their keycode.
bool MayTypeText(const SDL_Keysym& keysym) {
    const SDL_Keycode keycode = keysym.sym;
    return !IsModifierScancode(keysym.scancode) && (keycode & SDLK_SCANCODE_MASK) == 0 &&
           keycode >= 0x20 && keycode != SDLK_DELETE;
}

void ObserveKeyDown(const SDL_KeyboardEvent& key) {
    if (key.repeat != 0 || !MayTypeText(key.keysym)) {
        return;
    }
    // The previous key typed no text of its own: it was a dead key, and whatever text comes
    // next is a composed character that belongs to neither key alone.
    if (keyboard.awaitingText) {
        keyboard.learnedCharacters[*keyboard.awaitingText] = std::nullopt;
        keyboard.composing = true;
    } else {
        keyboard.composing = false;
    }
    const SDL_Keymod modifiers = SDL_GetModState();
    keyboard.awaitingText =
        LearnedKey{key.keysym.scancode, (modifiers & KMOD_SHIFT) != 0, (modifiers & KMOD_CAPS) != 0,
                   (modifiers & (KMOD_RALT | KMOD_MODE)) != 0};
}

// The key now types this letter, or no letter at all.
void LearnLetterKey(SDL_Scancode scancode, std::optional<char> typed) {
    std::replace(keyboard.letterKeys.begin(), keyboard.letterKeys.end(), scancode,
                 SDL_SCANCODE_UNKNOWN);
    const char lower =
        typed ? static_cast<char>(std::tolower(static_cast<unsigned char>(*typed))) : '\0';
    if (lower >= 'a' && lower <= 'z') {
        keyboard.letterKeys[static_cast<size_t>(lower - 'a')] = scancode;
    }
}

void ObserveText(const char* text) {
    if (keyboard.awaitingText && !keyboard.composing) {
        const std::optional<char> typed = SingleLatinCharacter(text);
        keyboard.learnedCharacters[*keyboard.awaitingText] = typed;
        if (!keyboard.awaitingText->altGr) {
            LearnLetterKey(keyboard.awaitingText->scancode, typed);
        }
    }
    keyboard.awaitingText.reset();
    keyboard.composing = false;
}

// Before anything was learned: control keys and the unshifted key, letters with their case.
int TranslateByKeycode(SDL_Scancode scancode, bool shift, bool capsLock, char& out) {
    const SDL_Keycode keycode = SDL_GetKeyFromScancode(scancode);
    switch (keycode) {
        case SDLK_BACKSPACE:
            out = '\b';
            return 1;
        case SDLK_TAB:
            out = '\t';
            return 1;
        case SDLK_RETURN:
            out = '\r';
            return 1;
        case SDLK_ESCAPE:
            out = '\x1B';
            return 1;
        default:
            break;
    }
    if (keycode < 0x20 || keycode > 0xFF || (keycode >= 0x7F && keycode < 0xA0)) {
        return 0;
    }
    const bool asciiLetter = keycode >= 'a' && keycode <= 'z';
    const bool latinLetter = keycode >= 0xE0 && keycode <= 0xFE && keycode != 0xF7;
    if (asciiLetter || latinLetter) {
        out = static_cast<char>((shift != capsLock) ? keycode - 0x20 : keycode);
        return 1;
    }
    if (shift) {
        return 0;
    }
    out = static_cast<char>(keycode);
    return 1;
}

// Whether a keypad key stands for the virtual key now, with Num Lock as it is.
bool IsKeypadKeyDown(int virtualKey) {
    const bool numLock = IsNumLockOn();
    for (const KeypadKey& key : kKeypadKeys) {
        if ((numLock ? key.numLockKey : key.navigationKey) == virtualKey &&
            IsScancodeDown(key.scancode)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsKeyboardKeyDown(int virtualKey) {
    bool modifier = false;
    const bool down = IsModifierDown(virtualKey, modifier);
    if (modifier) {
        return down;
    }
    // A keypad digit is its own code only with Num Lock on; IsKeypadKeyDown decides.
    const SDL_Scancode scancode =
        KeypadKeyWithCode(virtualKey) != nullptr ? SDL_SCANCODE_UNKNOWN : ScancodeOf(virtualKey);
    return IsScancodeDown(scancode) || IsKeypadKeyDown(virtualKey);
}

// Where no key of the keyboard is down, as in nearly every frame, no virtual key is: the look-ups
// of each key through the layout are then left out.
void ReadKeysDown(KeySet& keyboard, KeySet& anyDevice) {
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    keyboard.reset();
    if (std::any_of(state, state + count, [](Uint8 down) { return down != 0; })) {
        for (int key = 0; key < kVirtualKeyCount; ++key) {
            keyboard[static_cast<size_t>(key)] = IsKeyboardKeyDown(key);
        }
    }
    anyDevice = keyboard;
    if (Sdl::HasOpenGamepads()) {
        anyDevice |= Sdl::GamepadKeysDown();
    }
}

bool IsVirtualKeyDown(int virtualKey) {
    return IsKeyboardKeyDown(virtualKey) || Sdl::IsGamepadKeyDown(virtualKey);
}

bool IsPadButtonDown(PadButton button) {
    return Sdl::IsGamepadButtonDown(button);
}

bool IsPadConnected() {
    return Sdl::HasOpenGamepads();
}

bool GetKeyboardSnapshot(KeyboardSnapshot& snapshot) {
    for (int key = 0; key < kVirtualKeyCount; ++key) {
        snapshot[key] = IsKeyboardKeyDown(key) ? kKeyDownBit : 0;
    }
    if ((SDL_GetModState() & KMOD_CAPS) != 0) {
        snapshot[VirtualKey::kCapsLock] |= kKeyToggleBit;
    }
    return true;
}

unsigned VirtualKeyToScanCode(int virtualKey) {
    if (virtualKey < 0 || virtualKey >= kVirtualKeyCount) {
        return 0;
    }
    return static_cast<unsigned>(ScancodeOf(virtualKey));
}

int TranslateVirtualKey(int virtualKey, unsigned scanCode, const KeyboardSnapshot& snapshot,
                        char& out) {
    if (scanCode == SDL_SCANCODE_UNKNOWN || scanCode >= SDL_NUM_SCANCODES) {
        return 0;
    }
    // The keypad's characters do not depend on the layout.
    if (const KeypadKey* keypad = KeypadKeyWithCode(virtualKey)) {
        out = keypad->typed;
        return 1;
    }
    const auto scancode = static_cast<SDL_Scancode>(scanCode);
    const bool shift = (snapshot[VirtualKey::kShift] & kKeyDownBit) != 0;
    const bool capsLock = (snapshot[VirtualKey::kCapsLock] & kKeyToggleBit) != 0;
    const bool altGr = (snapshot[kRightAlt] & kKeyDownBit) != 0;
    const auto learned = keyboard.learnedCharacters.find({scancode, shift, capsLock, altGr});
    if (learned == keyboard.learnedCharacters.end()) {
        return altGr ? 0 : TranslateByKeycode(scancode, shift, capsLock, out);
    }
    if (!learned->second) {
        return -1;
    }
    out = *learned->second;
    return 1;
}

void StartTextInput() {
    // SDL starts with text input on, and the keyboard above learns from it; this only makes sure.
    SDL_StartTextInput();
    textInput.on = true;
    textInput.typed.clear();
    textInput.dropNextText = false;
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    for (size_t scancode = 0; scancode < textInput.heldBack.size(); ++scancode) {
        textInput.heldBack[scancode] = static_cast<int>(scancode) < count && state[scancode] != 0;
    }
}

void StopTextInput() {
    textInput.on = false;
    textInput.typed.clear();
}

void TakeTextInput(std::string& text) {
    text.append(textInput.typed);
    textInput.typed.clear();
}

namespace {

void ObserveTextKey(const SDL_KeyboardEvent& key, bool down) {
    const auto scancode = static_cast<size_t>(key.keysym.scancode);
    const bool heldBack = scancode < textInput.heldBack.size() && textInput.heldBack[scancode];
    if (down) {
        textInput.dropNextText = heldBack;
    } else if (heldBack) {
        textInput.heldBack[scancode] = false;
    }
}

void ObserveTypedText(const char* text) {
    if (textInput.on && !textInput.dropNextText) {
        AppendTypedText(text, textInput.typed);
    }
}

}  // namespace

namespace Sdl {

void ObserveKeyboardEvent(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
        ObserveTextKey(event.key, event.type == SDL_KEYDOWN);
        if (event.type == SDL_KEYDOWN) {
            ObserveKeyDown(event.key);
        }
    } else if (event.type == SDL_TEXTINPUT) {
        ObserveTypedText(event.text.text);
        ObserveText(event.text.text);
    } else if (event.type == SDL_KEYMAPCHANGED) {
        // What the keys typed before belongs to the old layout.
        keyboard = KeyboardState{};
    }
}

}  // namespace Sdl

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "input/Input.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/scripted/KeyboardScripted.h"

namespace Drobix {
namespace {

namespace Scripted = Platform::Scripted;

class InputTest : public testing::Test {
protected:
    void TearDown() override {
        Scripted::ReleaseAllKeys();
        Scripted::SetDeadKey(0xBA, false);
    }

    static void Hold(std::vector<int> keys) { Scripted::SetKeysDown(keys); }

    // What ReadTypedCharacter gives for the held keys; '?' stays when it types nothing.
    static char Typed() {
        char out = '?';
        const bool typed = ReadTypedCharacter(&out);
        EXPECT_EQ(typed, out != '?');
        return out;
    }
};

TEST_F(InputTest, IsKeyDownSeesExactlyTheHeldKeys) {
    Hold({VirtualKey::kLeft, 'Y'});
    EXPECT_TRUE(IsKeyDown(VirtualKey::kLeft));
    EXPECT_TRUE(IsKeyDown('Y'));
    EXPECT_FALSE(IsKeyDown(VirtualKey::kRight));
    EXPECT_FALSE(IsKeyDown(-1));
    EXPECT_FALSE(IsKeyDown(256));
    Hold({});
    EXPECT_FALSE(IsKeyDown(VirtualKey::kLeft));
}

TEST_F(InputTest, LetterCaseFollowsShiftAndCapsLock) {
    Hold({'A'});
    EXPECT_EQ(Typed(), 'a');
    Hold({'A', VirtualKey::kShift});
    EXPECT_EQ(Typed(), 'A');
    Hold({'A', VirtualKey::kCapsLock});
    EXPECT_EQ(Typed(), 'A');
    Hold({'A', VirtualKey::kCapsLock, VirtualKey::kShift});
    EXPECT_EQ(Typed(), 'a');
    Hold({'2', VirtualKey::kShift});
    EXPECT_EQ(Typed(), '@');
    Hold({VirtualKey::kSpace});
    EXPECT_EQ(Typed(), ' ');
}

TEST_F(InputTest, LowestTypingKeyWinsAndControlCharactersCount) {
    Hold({'A', '1'});
    EXPECT_EQ(Typed(), '1');
    // Backspace (0x08) is below every character key: it types its control character.
    Hold({'Z', VirtualKey::kBackspace});
    EXPECT_EQ(Typed(), '\b');
    Hold({VirtualKey::kEnter});
    EXPECT_EQ(Typed(), '\r');
    Hold({VirtualKey::kEscape});
    EXPECT_EQ(Typed(), '\x1B');
    // Keys that type nothing are passed over.
    Hold({VirtualKey::kShift, VirtualKey::kLeft, VirtualKey::kHome, 'Q'});
    EXPECT_EQ(Typed(), 'Q');
    Hold({VirtualKey::kLeft});
    EXPECT_EQ(Typed(), '?');
}

TEST_F(InputTest, DeadKeyTypesNothingAndDoesNotStopTheScan) {
    Scripted::SetDeadKey(0xBA, true);
    Hold({0xBA});
    EXPECT_EQ(Typed(), '?');
    // The apostrophe key (0xDE) comes after the dead key and still types.
    Hold({0xBA, 0xDE});
    EXPECT_EQ(Typed(), '\'');
    Hold({0xDE, VirtualKey::kShift});
    EXPECT_EQ(Typed(), '"');
}

TEST_F(InputTest, KeypadTypesDigitsAndSignsWhateverShift) {
    const std::vector<std::pair<int, char>> keys = {
        {0x60, '0'}, {0x65, '5'}, {0x69, '9'}, {0x6A, '*'},
        {0x6B, '+'}, {0x6D, '-'}, {0x6E, '.'}, {0x6F, '/'},
    };
    for (const auto& [key, typed] : keys) {
        Hold({key});
        EXPECT_EQ(Typed(), typed) << key;
        Hold({key, VirtualKey::kShift});
        EXPECT_EQ(Typed(), typed) << key;
    }
    // The separator has no key on this keyboard; the keypad's digits are not the number row.
    Hold({0x6C});
    EXPECT_EQ(Typed(), '?');
    Hold({0x61});
    EXPECT_FALSE(IsKeyDown('1'));
    // A keypad digit (0x67) still loses to the number row's (0x37).
    Hold({0x67, '8'});
    EXPECT_EQ(Typed(), '8');
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "input/GameActions.h"

#include <gtest/gtest.h>

#include "platform/scripted/KeyboardScripted.h"

namespace Drobix {
namespace {

namespace Scripted = Platform::Scripted;

class GameActionsTest : public testing::Test {
protected:
    void TearDown() override {
        Scripted::ReleaseAllKeys();
        Scripted::SetPadState({});
        Scripted::SetPadConnected(false);
        SetKeyBindings(DefaultKeyBindings());
    }

    static void HoldPad(PadButton button) {
        Platform::GamepadState pad;
        pad.Press(button);
        Scripted::SetPadState(pad);
    }
};

TEST_F(GameActionsTest, BoundKeysActAndTheKeysTheyReplacedDoNot) {
    KeyBindings bindings = DefaultKeyBindings();
    bindings[static_cast<size_t>(GameAction::Left)] = {'J', kNoKey};
    SetKeyBindings(bindings);
    Scripted::SetKeyDown('J', true);
    EXPECT_TRUE(IsActionDown(GameAction::Left));
    EXPECT_FALSE(IsActionDown(GameAction::Right));
    Scripted::ReleaseAllKeys();
    Scripted::SetKeyDown(VirtualKey::kLeft, true);
    EXPECT_FALSE(IsActionDown(GameAction::Left));
    // Two keys: either acts.
    Scripted::ReleaseAllKeys();
    Scripted::SetKeyDown('Z', true);
    EXPECT_TRUE(IsActionDown(GameAction::Turn));
    EXPECT_FALSE(IsActionDown(GameAction::Count));
}

// A pad's buttons do their actions whatever keys are bound, and the keys a pad holds for the
// menus (A holds Up, Enter, Y and 3) are no bound keys.
TEST_F(GameActionsTest, APadKeepsItsButtonsWhateverTheBindings) {
    KeyBindings bindings = DefaultKeyBindings();
    bindings[static_cast<size_t>(GameAction::Turn)] = {'I', kNoKey};
    bindings[static_cast<size_t>(GameAction::Drop)] = {VirtualKey::kUp, kNoKey};
    SetKeyBindings(bindings);
    Scripted::SetPadConnected(true);
    HoldPad(PadButton::A);
    EXPECT_TRUE(IsActionDown(GameAction::Turn));
    EXPECT_FALSE(IsActionDown(GameAction::Drop));
    HoldPad(PadButton::RightShoulder);
    EXPECT_TRUE(IsActionDown(GameAction::TurnClockwise));
    EXPECT_FALSE(IsActionDown(GameAction::Turn));
    HoldPad(PadButton::Start);
    EXPECT_TRUE(IsActionDown(GameAction::Pause));
    EXPECT_FALSE(IsActionDown(GameAction::Leave));
    HoldPad(PadButton::B);
    EXPECT_TRUE(IsActionDown(GameAction::Leave));
    // A pad pulled out holds nothing.
    Scripted::SetPadConnected(false);
    EXPECT_FALSE(IsActionDown(GameAction::Leave));
}

}  // namespace
}  // namespace Drobix

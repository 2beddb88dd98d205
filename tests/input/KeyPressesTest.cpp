// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Presses and repeats as the modern handling reads them, frame by frame.
#include "input/KeyPresses.h"

#include <gtest/gtest.h>

#include <string>

#include "input/GameActions.h"
#include "platform/scripted/KeyboardScripted.h"

namespace Drobix {
namespace {

namespace Scripted = Platform::Scripted;

constexpr KeyRepeat kRepeat{170, 50};

class KeyPressesTest : public testing::Test {
protected:
    void SetUp() override { ResetKeyPresses(); }
    void TearDown() override {
        Scripted::ReleaseAllKeys();
        Scripted::SetPadState({});
        Scripted::SetPadConnected(false);
        ResetKeyPresses();
    }

    // The frames, each of frameMs, in which the key acts while held for that many frames, by the
    // time since the press.
    static std::string ActingTimes(int key, uint32_t frameMs, int frames, KeyRepeat repeat) {
        std::string times;
        Scripted::SetKeyDown(key, true);
        for (int frame = 0; frame < frames; ++frame) {
            TrackKeyPresses(frame == 0 ? 0 : frameMs, repeat);
            if (KeyActs(key)) {
                times += std::to_string(static_cast<uint32_t>(frame) * frameMs) + " ";
            }
        }
        return times;
    }
};

TEST_F(KeyPressesTest, AKeyActsAsItGoesDownThenAfterTheDelayThenAtTheInterval) {
    EXPECT_EQ(ActingTimes(VirtualKey::kLeft, 10, 33, kRepeat), "0 170 220 270 320 ");
    Scripted::ReleaseAllKeys();
    TrackKeyPresses(10, kRepeat);
    // Frames of 16 ms: each repeat in the first frame at or past its time, the pace kept even
    // by the remainder (170 falls in the frame at 176, then 220 -> 224, 270 -> 272, 320 -> 320).
    EXPECT_EQ(ActingTimes(VirtualKey::kLeft, 16, 21, kRepeat), "0 176 224 272 320 ");
    Scripted::ReleaseAllKeys();
    TrackKeyPresses(16, kRepeat);
    // No delay: the first repeat in the frame after the press.
    EXPECT_EQ(ActingTimes('A', 10, 7, KeyRepeat{0, 30}), "0 10 30 60 ");
}

TEST_F(KeyPressesTest, ALongFrameGivesOneRepeatAndTheReleaseEndsTheHold) {
    Scripted::SetKeyDown('A', true);
    TrackKeyPresses(0, kRepeat);
    EXPECT_TRUE(KeyActs('A'));
    EXPECT_TRUE(KeyActs('A', Repeats::No));
    TrackKeyPresses(2000, kRepeat);
    EXPECT_TRUE(KeyActs('A'));
    EXPECT_FALSE(KeyActs('A', Repeats::No));
    // One repeat for the two seconds, not 37; the next keeps to the pace, at 170 + 50 x 37 =
    // 2020 ms.
    TrackKeyPresses(10, kRepeat);
    EXPECT_FALSE(KeyActs('A'));
    TrackKeyPresses(10, kRepeat);
    EXPECT_TRUE(KeyActs('A'));
    Scripted::SetKeyDown('A', false);
    TrackKeyPresses(10, kRepeat);
    EXPECT_FALSE(KeyActs('A'));
    Scripted::SetKeyDown('A', true);
    TrackKeyPresses(10, kRepeat);
    EXPECT_TRUE(KeyActs('A', Repeats::No));
}

TEST_F(KeyPressesTest, AHeldBackKeyActsOnlyWhenPressedAgain) {
    Scripted::SetKeyDown(VirtualKey::kEscape, true);
    TrackKeyPresses(16, kRepeat);
    EXPECT_TRUE(KeyActs(VirtualKey::kEscape));
    HoldBackHeldKeys();
    // Not even in the frame in which it was held back.
    EXPECT_FALSE(KeyActs(VirtualKey::kEscape));
    for (int frame = 0; frame < 100; ++frame) {
        TrackKeyPresses(16, kRepeat);
        EXPECT_FALSE(KeyActs(VirtualKey::kEscape)) << frame;
    }
    // A key that was up when the others were held back is not held back.
    Scripted::SetKeyDown('Y', true);
    TrackKeyPresses(16, kRepeat);
    EXPECT_TRUE(KeyActs('Y'));
    Scripted::SetKeyDown(VirtualKey::kEscape, false);
    TrackKeyPresses(16, kRepeat);
    Scripted::SetKeyDown(VirtualKey::kEscape, true);
    TrackKeyPresses(16, kRepeat);
    EXPECT_TRUE(KeyActs(VirtualKey::kEscape));
}

TEST_F(KeyPressesTest, KeyboardKeysPadButtonsAndActionsEachKeepTheirOwnHold) {
    Scripted::SetPadConnected(true);
    Platform::GamepadState pad;
    pad.Press(PadButton::DpadLeft);
    Scripted::SetPadState(pad);
    TrackKeyPresses(16, kRepeat);
    // The pad's D-pad holds the Left key but not the keyboard's Left.
    EXPECT_TRUE(KeyActs(VirtualKey::kLeft));
    EXPECT_FALSE(KeyboardKeyActs(VirtualKey::kLeft));
    EXPECT_TRUE(ButtonActs(PadButton::DpadLeft));
    EXPECT_TRUE(ActionActs(GameAction::Left));
    EXPECT_FALSE(ActionActs(GameAction::Right));
    // The keyboard's Left pressed while the pad holds it: a press of the keyboard's own.
    Scripted::SetKeyDown(VirtualKey::kLeft, true);
    TrackKeyPresses(16, kRepeat);
    EXPECT_FALSE(KeyActs(VirtualKey::kLeft));
    EXPECT_TRUE(KeyboardKeyActs(VirtualKey::kLeft));
    EXPECT_TRUE(ActionActs(GameAction::Left, Repeats::No));
    EXPECT_FALSE(KeyActs(-1));
    EXPECT_FALSE(KeyboardKeyActs(Platform::kVirtualKeyCount));
    EXPECT_FALSE(ButtonActs(PadButton::Count));
}

}  // namespace
}  // namespace Drobix

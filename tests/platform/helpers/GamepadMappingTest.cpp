// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/GamepadMapping.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace Drobix::Platform {
namespace {

std::set<int> KeysOf(const GamepadState& pad) {
    const VirtualKeySet keys = VirtualKeysOf(pad);
    std::set<int> held;
    for (int key = 0; key < kVirtualKeyCount; ++key) {
        if (keys[static_cast<size_t>(key)]) {
            held.insert(key);
        }
    }
    return held;
}

struct ButtonCase {
    PadButton button;
    std::set<int> keys;
};

TEST(GamepadMappingTest, EachButtonHoldsExactlyItsKeys) {
    const std::vector<ButtonCase> cases = {
        {PadButton::A, {0x26, 'Y', 0x0D, '3'}},
        {PadButton::B, {'N', 0x1B}},
        {PadButton::X, {0x20, '1'}},
        {PadButton::Y, {0x20, '2'}},
        {PadButton::Back, {0xC0}},
        {PadButton::Start, {0x13}},
        {PadButton::LeftShoulder, {'4'}},
        {PadButton::RightShoulder, {'5'}},
        {PadButton::DpadUp, {0x26}},
        {PadButton::DpadDown, {0x28}},
        {PadButton::DpadLeft, {0x25}},
        {PadButton::DpadRight, {0x27}},
    };
    ASSERT_EQ(cases.size(), static_cast<size_t>(kPadButtonCount));
    for (const ButtonCase& entry : cases) {
        GamepadState pad;
        pad.Press(entry.button);
        EXPECT_EQ(KeysOf(pad), entry.keys) << "button " << static_cast<int>(entry.button);
    }
    EXPECT_TRUE(KeysOf(GamepadState{}).empty());

    // Buttons held together hold the union of their keys.
    GamepadState pad;
    pad.Press(PadButton::DpadLeft);
    pad.Press(PadButton::X);
    EXPECT_EQ(KeysOf(pad), (std::set<int>{0x25, 0x20, '1'}));
}

TEST(GamepadMappingTest, TriggersAreTheLastOptionDigitsBeyondHalfTheirTravel) {
    GamepadState pad;
    pad.leftTrigger = kTriggerThreshold;
    pad.rightTrigger = kTriggerThreshold;
    EXPECT_TRUE(KeysOf(pad).empty());
    pad.leftTrigger = kTriggerThreshold + 1;
    EXPECT_EQ(KeysOf(pad), std::set<int>{'6'});
    pad.rightTrigger = kAxisMax;
    EXPECT_EQ(KeysOf(pad), (std::set<int>{'6', '7'}));
}

TEST(GamepadMappingTest, StickOutsideTheDeadZoneIsAnArrowByItsStrongerAxis) {
    struct StickCase {
        int16_t x;
        int16_t y;
        std::set<int> keys;
    };
    const std::vector<StickCase> cases = {
        {0, 0, {}},
        {-kStickDeadZone, 0, {}},
        {0, kStickDeadZone, {}},
        {-kStickDeadZone - 1, 0, {0x25}},
        {kStickDeadZone + 1, 0, {0x27}},
        {0, -kStickDeadZone - 1, {0x26}},
        {0, kAxisMax, {0x28}},
        {kAxisMin, kAxisMax, {0x25}},
        // Sideways with a lean upwards: no turn.
        {20000, -19999, {0x27}},
        {-19999, 20000, {0x28}},
        // Exactly diagonal goes sideways.
        {-20000, -20000, {0x25}},
    };
    for (const StickCase& entry : cases) {
        GamepadState pad;
        pad.leftX = entry.x;
        pad.leftY = entry.y;
        EXPECT_EQ(KeysOf(pad), entry.keys) << entry.x << ", " << entry.y;
        // Read as buttons, the stick is the D-pad direction of the same arrow.
        const std::pair<PadButton, int> directions[] = {{PadButton::DpadLeft, 0x25},
                                                        {PadButton::DpadRight, 0x27},
                                                        {PadButton::DpadUp, 0x26},
                                                        {PadButton::DpadDown, 0x28}};
        for (const auto& [button, key] : directions) {
            EXPECT_EQ(IsHeld(pad, button), entry.keys.contains(key)) << entry.x << ", " << entry.y;
        }
        EXPECT_FALSE(IsHeld(pad, PadButton::A));
    }
}

TEST(GamepadMappingTest, ButtonsAreHeldOnlyWhilePressed) {
    GamepadState pad;
    for (int button = 0; button < kPadButtonCount; ++button) {
        EXPECT_FALSE(IsHeld(pad, static_cast<PadButton>(button)));
    }
    pad.Press(PadButton::Start);
    EXPECT_TRUE(IsHeld(pad, PadButton::Start));
    EXPECT_FALSE(IsHeld(pad, PadButton::B));
    EXPECT_FALSE(IsHeld(pad, PadButton::Count));
}

TEST(GamepadMappingTest, DeviceValuesAreClampedIntoTheAxisRange) {
    EXPECT_EQ(ClampAxis(-1'000'000), kAxisMin);
    EXPECT_EQ(ClampAxis(1'000'000), kAxisMax);
    EXPECT_EQ(ClampAxis(-32769), kAxisMin);
    EXPECT_EQ(ClampAxis(32768), kAxisMax);
    EXPECT_EQ(ClampAxis(-12345), -12345);
}

}  // namespace
}  // namespace Drobix::Platform

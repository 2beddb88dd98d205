// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "input/GameActions.h"
#include "input/Input.h"
#include "screens/ControlsScreen.h"
#include "screens/SettingsScreen.h"
#include "storage/Preferences.h"

namespace Drobix {
namespace {

TEST(SettingsTextTest, ShowsEverySettingOnItsNumberedLine) {
    EXPECT_EQ(BuildSettingsText(Preferences{}, false),
              "1) Window: Full Screen\n2) Music Level: 10\n3) Effects Level: 10\n"
              "4) Landing Shadow: Off\n5) Cell Patterns: Off\n6) Controls\n"
              "7) Handling: Classic\n8) Language: Automatic\n\n"
              "(Esc) Back to main menu");
    Preferences changed;
    changed.musicLevel = 0;
    changed.effectsLevel = 7;
    changed.shadow = true;
    changed.patterns = true;
    changed.handling = Handling::Modern;
    changed.language = "en";
    EXPECT_EQ(BuildSettingsText(changed, true),
              "1) Window: Window\n2) Music Level: 0\n3) Effects Level: 7\n"
              "4) Landing Shadow: On\n5) Cell Patterns: On\n6) Controls\n"
              "7) Handling: Modern\n8) Language: English\n\n"
              "(Esc) Back to main menu");
}

TEST(SettingsTextTest, LevelsStepRoundFromTheTopToSilence) {
    EXPECT_EQ(StepLevel(kMaxSoundLevel, 1), kMinSoundLevel);
    EXPECT_EQ(StepLevel(kMinSoundLevel, -1), kMaxSoundLevel);
    EXPECT_EQ(StepLevel(5, 1), 6);
    EXPECT_EQ(StepLevel(5, -1), 4);
}

TEST(ControlsTextTest, ShowsEachActionWithItsKeys) {
    EXPECT_EQ(BuildControlsText(DefaultKeyBindings()),
              "1) Left: Left\n2) Right: Right\n3) Turn: Up, Z\n4) Turn Clockwise: X\n"
              "5) Soft Drop: Down\n6) Drop: Space\n7) Pause: P, Pause\n8) Leave: Escape\n\n"
              "0) Restore the defaults\n(Esc) Back to settings");
}

TEST(ControlsTextTest, ANewKeyComesFirstAndAKeyOfAnotherActionIsRefused) {
    KeyBindings keys = DefaultKeyBindings();
    const auto turn = static_cast<size_t>(GameAction::Turn);
    const auto left = static_cast<size_t>(GameAction::Left);
    EXPECT_EQ(BindKey(keys, GameAction::Turn, 'Q'), std::nullopt);
    EXPECT_EQ(keys[turn], (ActionKeys{'Q', VirtualKey::kUp}));
    // Its own second key moves to first; its first key again changes nothing.
    EXPECT_EQ(BindKey(keys, GameAction::Turn, VirtualKey::kUp), std::nullopt);
    EXPECT_EQ(keys[turn], (ActionKeys{VirtualKey::kUp, 'Q'}));
    EXPECT_EQ(BindKey(keys, GameAction::Turn, VirtualKey::kUp), std::nullopt);
    EXPECT_EQ(keys[turn], (ActionKeys{VirtualKey::kUp, 'Q'}));
    // Another action's key, first or second, is refused and nothing changes.
    const KeyBindings before = keys;
    EXPECT_EQ(BindKey(keys, GameAction::Left, 'Q'), GameAction::Turn);
    EXPECT_EQ(BindKey(keys, GameAction::Left, 'P'), GameAction::Pause);
    EXPECT_EQ(BindKey(keys, GameAction::Left, VirtualKey::kPause), GameAction::Pause);
    EXPECT_EQ(keys, before);
    // An action with one key gains a second.
    EXPECT_EQ(BindKey(keys, GameAction::Left, 'J'), std::nullopt);
    EXPECT_EQ(keys[left], (ActionKeys{'J', VirtualKey::kLeft}));
}

}  // namespace
}  // namespace Drobix

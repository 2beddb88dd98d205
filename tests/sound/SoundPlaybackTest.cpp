// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundPlayback.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDataHome.h"
#include "platform/scripted/AudioScripted.h"
#include "sound/SoundTestStreams.h"
#include "sound/SoundTesting.h"
#include "storage/Preferences.h"
#include "storage/Settings.h"

namespace Drobix {
namespace {

namespace Scripted = Platform::Scripted;
using namespace Testing;

std::vector<std::string> RecordedEvents() {
    std::vector<std::string> lines;
    for (const auto& event : Scripted::GetAudioEvents()) {
        lines.push_back(Scripted::DescribeAudioEvent(event));
    }
    return lines;
}

class SoundPlaybackTest : public testing::Test {
protected:
    void SetUp() override {
        LoadSettings();
        Testing::SetSoundResourceFinder(FindTestStream);
        Scripted::SetAudioDevicePresent(true);
        InitSound();
        landing_ = LoadSound(kLandingId, kDsbCapsStatic | kDsbCapsCtrlVolume);
        effect_ = LoadSound(kEffectId, kDsbCapsStatic);
        music_ = LoadSound(kMusicId, 0, SoundKind::Music);
        Scripted::ClearAudioEvents();
    }
    void TearDown() override {
        GetPreferences() = Preferences{};
        ShutdownSound();
        Testing::SetSoundResourceFinder(nullptr);
        Scripted::ClearAudioEvents();
        SaveSettings();
    }

    TempDataHome home_;
    Sound* landing_ = nullptr;
    Sound* effect_ = nullptr;
    Sound* music_ = nullptr;
};

TEST_F(SoundPlaybackTest, StartsAndStopsReachTheDeviceInOrder) {
    StartSound(music_, kDsbPlayLooping);
    StartSound(effect_, 0);
    StartSound(landing_, 0);
    StartSound(effect_, 0);
    StopSound(music_);
    EXPECT_EQ(RecordedEvents(),
              (std::vector<std::string>{"start 153 loop", "start 137 once", "start 131 once",
                                        "start 137 once", "stop 153"}));
}

TEST(SoundLevelTest, EachStepDownIsThreeDecibelsAndZeroIsSilence) {
    EXPECT_EQ(SoundLevelAttenuation(10), 0);
    EXPECT_EQ(SoundLevelAttenuation(9), -300);
    EXPECT_EQ(SoundLevelAttenuation(5), -1500);
    EXPECT_EQ(SoundLevelAttenuation(1), -2700);
    EXPECT_EQ(SoundLevelAttenuation(0), Platform::kMinVolume);
    EXPECT_EQ(SoundLevelAttenuation(11), 0);
    EXPECT_EQ(SoundLevelAttenuation(-1), Platform::kMinVolume);
}

// At the levels of a game without them nothing reaches the device beyond what always did; a
// level changed is given to every sound of its kind at once, whether or not the sound
// controls its volume, and again only when it changes.
TEST_F(SoundPlaybackTest, LevelsReachEverySoundOfTheirKindWhenTheyChange) {
    StartSound(music_, kDsbPlayLooping);
    StartSound(landing_, 0);
    ApplySoundLevels();
    EXPECT_EQ(RecordedEvents(), (std::vector<std::string>{"start 153 loop", "start 131 once"}));

    Scripted::ClearAudioEvents();
    GetPreferences().musicLevel = 5;
    ApplySoundLevels();
    ApplySoundLevels();
    EXPECT_EQ(RecordedEvents(), (std::vector<std::string>{"level 153 -1500"}));

    Scripted::ClearAudioEvents();
    GetPreferences().effectsLevel = 0;
    StartSound(effect_, 0);
    StartSound(landing_, 0);
    ApplySoundLevels();
    EXPECT_EQ(RecordedEvents(), (std::vector<std::string>{"level 137 -10000", "start 137 once",
                                                          "level 131 -10000", "start 131 once"}));

    Scripted::ClearAudioEvents();
    GetPreferences() = Preferences{};
    ApplySoundLevels();
    EXPECT_EQ(RecordedEvents(),
              (std::vector<std::string>{"level 131 0", "level 137 0", "level 153 0"}));
}

TEST_F(SoundPlaybackTest, OnlyAVolumeControlledSoundTakesAVolume) {
    SetSoundVolume(landing_, -1500);
    SetSoundVolume(effect_, -1500);
    SetSoundVolume(music_, -20000);
    EXPECT_EQ(RecordedEvents(), (std::vector<std::string>{"volume 131 -1500"}));
}

TEST_F(SoundPlaybackTest, WithTheSoundOptionOffNothingStartsButStopsStillWork) {
    SetSoundOn(false);
    StartSound(music_, kDsbPlayLooping);
    StartSound(effect_, 0);
    StopSound(music_);
    SetSoundOn(true);
    StartSound(effect_, 0);
    EXPECT_EQ(RecordedEvents(), (std::vector<std::string>{"stop 153", "start 137 once"}));
}

TEST_F(SoundPlaybackTest, NoSoundAndNoSettingsAreHarmless) {
    StartSound(nullptr, 0);
    StopSound(nullptr);
    SetSoundVolume(nullptr, -1500);
    SaveSettings();
    StartSound(effect_, 0);
    EXPECT_TRUE(RecordedEvents().empty());
    LoadSettings();
}

TEST_F(SoundPlaybackTest, AnUnpluggedDeviceFallsSilentAndTheNextStartAfterItsReturnPlays) {
    StartSound(music_, kDsbPlayLooping);
    Scripted::SetAudioDevicePresent(false);
    StartSound(effect_, 0);
    StartSound(landing_, 0);
    // The buffers outlive the device: the music can still be stopped and a volume set.
    StopSound(music_);
    SetSoundVolume(landing_, -1500);
    EXPECT_EQ(Scripted::CountAudioBuffers(), 3);
    EXPECT_EQ(RecordedEvents(),
              (std::vector<std::string>{"start 153 loop", "stop 153", "volume 131 -1500"}));

    Scripted::ClearAudioEvents();
    Scripted::SetAudioDevicePresent(true);
    EXPECT_TRUE(RecordedEvents().empty());
    StartSound(effect_, 0);
    StartSound(music_, kDsbPlayLooping);
    EXPECT_EQ(RecordedEvents(), (std::vector<std::string>{"start 137 once", "start 153 loop"}));
}

}  // namespace
}  // namespace Drobix

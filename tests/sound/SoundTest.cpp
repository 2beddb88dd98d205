// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/Sound.h"

#include <gtest/gtest.h>

#include <string>

#include "TempDataHome.h"
#include "platform/Debug.h"
#include "platform/scripted/AudioScripted.h"
#include "sound/OggDecoder.h"
#include "sound/SoundPlayback.h"
#include "sound/SoundTestStreams.h"
#include "sound/SoundTesting.h"
#include "storage/Settings.h"

namespace Drobix {
namespace {

namespace Scripted = Platform::Scripted;
using namespace Testing;

int CountLines(const std::string& text, const std::string& line) {
    int count = 0;
    for (size_t at = text.find(line + "\n"); at != std::string::npos;
         at = text.find(line + "\n", at + 1)) {
        ++count;
    }
    return count;
}

class SoundTest : public testing::Test {
protected:
    void SetUp() override {
        LoadSettings();
        Testing::SetSoundResourceFinder(FindTestStream);
        Scripted::SetAudioDevicePresent(true);
        Scripted::ClearAudioEvents();
    }
    void TearDown() override {
        ShutdownSound();
        Testing::SetSoundResourceFinder(nullptr);
        Scripted::SetAudioDevicePresent(true);
        Scripted::ClearAudioEvents();
        SaveSettings();
    }

    TempDataHome home_;
};

TEST_F(SoundTest, ASecondLoadGivesTheFirstRecordAndEveryLoadIsReported) {
    InitSound();
    ASSERT_TRUE(soundAvailable);
    // Told only when asked for (--verbose), and then for every load.
    testing::internal::CaptureStderr();
    LoadSound(kMissingId, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    Platform::EnableDebugOutput(true);
    testing::internal::CaptureStderr();
    Sound* first = LoadSound(kLandingId, kDsbCapsStatic | kDsbCapsCtrlVolume);
    Sound* second = LoadSound(kLandingId, kDsbCapsStatic);
    Sound* missing = LoadSound(kMissingId, 0);
    const std::string errors = testing::internal::GetCapturedStderr();
    Platform::EnableDebugOutput(false);

    EXPECT_EQ(first, second);
    EXPECT_EQ(first->creationFlags, 0x82U);
    EXPECT_EQ(first->resourceId, kLandingId);
    EXPECT_NE(first->buffer, nullptr);
    EXPECT_EQ(Scripted::CountAudioBuffers(), 1);
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(CountLines(errors, "Ogg resource retrieved"), 3);
}

struct FormatCase {
    int id;
    uint16_t channels;
    uint32_t rate;
    uint16_t blockAlign;
    uint32_t averageBytesPerSecond;
};

class SoundFormatTest : public SoundTest, public testing::WithParamInterface<FormatCase> {};

TEST_P(SoundFormatTest, TheBufferHasTheStreamsFormatAndEveryDecodedByte) {
    const FormatCase expected = GetParam();
    InitSound();
    const Sound* sound = LoadSound(expected.id, kDsbCapsStatic);
    ASSERT_NE(sound->buffer, nullptr);
    const Platform::WaveFormat format = Platform::GetAudioBufferFormat(*sound->buffer);
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, expected.channels);
    EXPECT_EQ(format.samplesPerSecond, expected.rate);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(format.blockAlign, expected.blockAlign);
    EXPECT_EQ(format.averageBytesPerSecond, expected.averageBytesPerSecond);

    const size_t frames = TestStreamShapes().at(expected.id).frames;
    const auto decoded = DecodeOgg(FindTestStream(expected.id));
    EXPECT_EQ(Platform::GetAudioBufferBytes(*sound->buffer), frames * expected.blockAlign);
    const auto pcm = Scripted::GetAudioBufferPcm(*sound->buffer);
    EXPECT_TRUE(std::equal(pcm.begin(), pcm.end(), decoded->pcm.begin(), decoded->pcm.end()));
}

INSTANTIATE_TEST_SUITE_P(Streams, SoundFormatTest,
                         testing::Values(FormatCase{kMonoId, 1, 22050, 2, 44100},
                                         FormatCase{kStereoId, 2, 24000, 4, 96000},
                                         FormatCase{kMusicId, 2, 44100, 4, 176400}));

TEST_F(SoundTest, AMissingDamagedOrUnplayableResourceGivesASilentRecord) {
    InitSound();
    for (int id : {kMissingId, kDamagedId, kThreeChannelId}) {
        Sound* sound = LoadSound(id, kDsbCapsStatic);
        EXPECT_EQ(sound->buffer, nullptr) << id;
        EXPECT_EQ(sound->resourceId, id);
        EXPECT_EQ(LoadSound(id, 0), sound) << id;
        StartSound(sound, 0);
        StopSound(sound);
    }
    EXPECT_EQ(Scripted::CountAudioBuffers(), 0);
    EXPECT_TRUE(Scripted::GetAudioEvents().empty());
}

TEST_F(SoundTest, WithoutADeviceEverySoundIsSilent) {
    Scripted::SetAudioDevicePresent(false);
    EXPECT_TRUE(InitSound());
    EXPECT_FALSE(soundAvailable);
    Sound* landing = LoadSound(kLandingId, kDsbCapsStatic | kDsbCapsCtrlVolume);
    Sound* music = LoadSound(kMusicId, 0);
    EXPECT_EQ(landing->buffer, nullptr);
    EXPECT_EQ(music->buffer, nullptr);
    SetSoundVolume(landing, -1500);
    StartSound(landing, 0);
    StartSound(music, kDsbPlayLooping);
    StopSound(music);
    FreeSound(kMusicId);
    EXPECT_EQ(Scripted::CountAudioBuffers(), 0);
    EXPECT_TRUE(Scripted::GetAudioEvents().empty());
}

TEST_F(SoundTest, FreeSoundReleasesTheBufferAndForgetsTheId) {
    InitSound();
    LoadSound(kMusicId, 0);
    LoadSound(kLandingId, kDsbCapsStatic);
    EXPECT_EQ(Scripted::CountAudioBuffers(), 2);
    FreeSound(kMusicId);
    EXPECT_EQ(Scripted::CountAudioBuffers(), 1);
    FreeSound(kMusicId);
    FreeSound(kMissingId);
    EXPECT_EQ(Scripted::CountAudioBuffers(), 1);
    // Loaded anew, with the flags of the new request.
    EXPECT_EQ(LoadSound(kMusicId, kDsbCapsCtrlVolume)->creationFlags, kDsbCapsCtrlVolume);
    EXPECT_EQ(Scripted::CountAudioBuffers(), 2);
}

TEST_F(SoundTest, ShutdownReleasesEverythingAndMayRunTwice) {
    InitSound();
    LoadSound(kMonoId, kDsbCapsStatic);
    LoadSound(kStereoId, kDsbCapsStatic);
    LoadSound(kMissingId, kDsbCapsStatic);
    ShutdownSound();
    EXPECT_FALSE(soundAvailable);
    EXPECT_EQ(Scripted::CountAudioBuffers(), 0);
    ShutdownSound();
    EXPECT_FALSE(soundAvailable);

    // The table is empty: a load after shutdown makes a new, silent record.
    Sound* after = LoadSound(kMonoId, 0);
    EXPECT_EQ(after->creationFlags, 0U);
    EXPECT_EQ(after->buffer, nullptr);
    InitSound();
    EXPECT_TRUE(soundAvailable);
}

}  // namespace
}  // namespace Drobix

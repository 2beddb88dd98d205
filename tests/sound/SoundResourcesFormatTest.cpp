// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <array>

#include "TempDataHome.h"
#include "platform/Resources.h"
#include "platform/scripted/AudioScripted.h"
#include "resources/ResourceIds.h"
#include "sound/OggDecoder.h"
#include "sound/Sound.h"
#include "sound/SoundTesting.h"
#include "storage/Settings.h"

namespace Drobix {
namespace {

constexpr std::array kSoundIds{ResourceId::kLandingSound,   ResourceId::kGameOverSound,
                               ResourceId::kFourRowsSound,  ResourceId::kLevelUpSound,
                               ResourceId::kOneRowSound,    ResourceId::kNewGameSound,
                               ResourceId::kThreeRowsSound, ResourceId::kTwoRowsSound,
                               ResourceId::kMenuMusicMarch, ResourceId::kMenuMusicBouncy};
constexpr std::array kBuiltInRates{22050U, 24000U, 44100U};

class SoundResourcesFormatTest : public testing::Test {
protected:
    void SetUp() override {
        LoadSettings();
        Testing::SetSoundResourceFinder(nullptr);
        Platform::Scripted::SetAudioDevicePresent(true);
        InitSound();
    }
    void TearDown() override {
        ShutdownSound();
        Platform::Scripted::ClearAudioEvents();
        SaveSettings();
    }

    Testing::TempDataHome home_;
};

TEST_F(SoundResourcesFormatTest, EveryBuiltInSoundFillsABufferInItsOwnFormat) {
    for (int id : kSoundIds) {
        const auto ogg = Platform::FindResource(id, "OGG");
        ASSERT_FALSE(ogg.empty()) << id;
        const auto decoded = DecodeOgg(ogg);
        ASSERT_TRUE(decoded.has_value()) << id;

        const Sound* sound = LoadSound(id, kDsbCapsStatic);
        ASSERT_NE(sound->buffer, nullptr) << id;
        const auto format = Platform::GetAudioBufferFormat(*sound->buffer);
        EXPECT_TRUE(format.channels == 1 || format.channels == 2) << id;
        EXPECT_NE(std::find(kBuiltInRates.begin(), kBuiltInRates.end(), format.samplesPerSecond),
                  kBuiltInRates.end())
            << id;
        EXPECT_EQ(format.blockAlign, format.channels * 2) << id;
        EXPECT_EQ(format.averageBytesPerSecond, format.blockAlign * format.samplesPerSecond) << id;
        // The buffer is exactly the decoded bytes, in whole frames.
        const uint32_t bytes = Platform::GetAudioBufferBytes(*sound->buffer);
        EXPECT_EQ(bytes, decoded->pcm.size()) << id;
        EXPECT_EQ(bytes % format.blockAlign, 0U) << id;
    }
}

TEST_F(SoundResourcesFormatTest, MonoAt22050AndStereoAt24000GiveTheirBufferFormats) {
    bool sawMono22050 = false;
    bool sawStereo24000 = false;
    for (int id : kSoundIds) {
        const Sound* sound = LoadSound(id, kDsbCapsStatic);
        ASSERT_NE(sound->buffer, nullptr) << id;
        const auto format = Platform::GetAudioBufferFormat(*sound->buffer);
        if (format.channels == 1 && format.samplesPerSecond == 22050) {
            sawMono22050 = true;
            EXPECT_EQ(format.blockAlign, 2) << id;
            EXPECT_EQ(format.averageBytesPerSecond, 44100U) << id;
        }
        if (format.channels == 2 && format.samplesPerSecond == 24000) {
            sawStereo24000 = true;
            EXPECT_EQ(format.blockAlign, 4) << id;
            EXPECT_EQ(format.averageBytesPerSecond, 96000U) << id;
        }
    }
    EXPECT_TRUE(sawMono22050);
    EXPECT_TRUE(sawStereo24000);
}

}  // namespace
}  // namespace Drobix

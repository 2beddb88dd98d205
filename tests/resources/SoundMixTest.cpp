// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "resources/DecodedSounds.h"
#include "resources/ResourceIds.h"
#include "resources/SoundMeasures.h"

namespace Drobix {
namespace {

using Testing::DecodedResource;
using Testing::Started;

// The volume the game gives the landing sound, in hundredths of a decibel.
constexpr int kLandingVolume = -1500;
constexpr int kFullVolume = 0;

// Loudness is measured as a small speaker plays it, above 200 Hz, over the loudest tenth of a
// second: about the time over which the ear sums a short sound.
constexpr double kSpeakerCutoffHz = 200.0;
constexpr double kHearingWindowSeconds = 0.1;

constexpr int kAllSounds[] = {
    ResourceId::kLandingSound,    ResourceId::kGameOverSound, ResourceId::kFourRowsSound,
    ResourceId::kLevelUpSound,    ResourceId::kOneRowSound,   ResourceId::kNewGameSound,
    ResourceId::kThreeRowsSound,  ResourceId::kTwoRowsSound,  ResourceId::kMenuMusicMarch,
    ResourceId::kMenuMusicBouncy,
};
// One to four rows, in that order.
constexpr int kRowSounds[] = {ResourceId::kOneRowSound, ResourceId::kTwoRowsSound,
                              ResourceId::kThreeRowsSound, ResourceId::kFourRowsSound};
constexpr int kMenuTracks[] = {ResourceId::kMenuMusicMarch, ResourceId::kMenuMusicBouncy};

double HeardLoudness(const std::vector<Started>& sounds,
                     double windowSeconds = kHearingWindowSeconds) {
    return Testing::LoudestWindowDb(
        Testing::HighPassed(Testing::PlayedTogether(sounds), kSpeakerCutoffHz), windowSeconds);
}

// Keeps a measured figure in the test's XML report: name and ids joined by underscores.
void Record(std::string_view name, std::initializer_list<int> ids, double value) {
    std::ostringstream key;
    key << name;
    for (const int id : ids) {
        key << '_' << id;
    }
    ::testing::Test::RecordProperty(key.str(), std::to_string(value));
}

TEST(SoundMixTest, NoSoundCarriesAnOffset) {
    constexpr double kLargestOffset = 0.001;
    for (const int id : kAllSounds) {
        const Testing::DecodedSound& sound = DecodedResource(id);
        ASSERT_GT(sound.Frames(), 0U) << id;
        for (int channel = 0; channel < sound.channels; ++channel) {
            const double mean = Testing::MeanOf(sound, channel);
            Record("dc", {id, channel}, mean);
            EXPECT_LT(std::fabs(mean), kLargestOffset) << id << " channel " << channel;
        }
    }
}

// A knock a laptop can play: short, with its energy mostly between 200 and 2000 Hz.
TEST(SoundMixTest, LandingIsAShortKnockInTheSpeakersRange) {
    const Testing::DecodedSound& sound = DecodedResource(ResourceId::kLandingSound);
    ASSERT_EQ(sound.channels, 1);
    ASSERT_EQ(sound.rate, 22050);
    const double seconds = static_cast<double>(sound.Frames()) / static_cast<double>(sound.rate);
    EXPECT_GE(seconds, 0.04);
    EXPECT_LE(seconds, 0.08);
    const double share = Testing::EnergyShare(Testing::ToSignal(sound), 200.0, 2000.0);
    Record("landing_share_200_2000", {}, share);
    EXPECT_GT(share, 0.5);
}

// Heard on every block, the landing sound must be heard but stay 6 to 10 dB under the one-row
// sound, at the volume the game plays it.
TEST(SoundMixTest, LandingSitsSixToTenDecibelsUnderTheOneRowSound) {
    const double landing = HeardLoudness({{ResourceId::kLandingSound, kLandingVolume}});
    const double oneRow = HeardLoudness({{ResourceId::kOneRowSound, kFullVolume}});
    Record("loudness_landing", {}, landing);
    Record("loudness_one_row", {}, oneRow);
    EXPECT_GE(oneRow - landing, 6.0);
    EXPECT_LE(oneRow - landing, 10.0);
}

// The rise holds whether the ear sums a tenth of a second or the 400 ms of momentary loudness.
TEST(SoundMixTest, RowSoundsRiseInLoudnessFromOneToFourRows) {
    constexpr double kSmallestStep = 0.5;
    constexpr double kMomentaryWindowSeconds = 0.4;
    for (const double window : {kHearingWindowSeconds, kMomentaryWindowSeconds}) {
        double previous = -1000.0;
        for (const int id : kRowSounds) {
            const double loudness = HeardLoudness({{id, kFullVolume}}, window);
            Record(window == kHearingWindowSeconds ? "loudness" : "momentary_loudness", {id},
                   loudness);
            EXPECT_GE(loudness - previous, kSmallestStep) << id << " over " << window << " s";
            previous = loudness;
        }
    }
}

// The sounds of one landing start in the same frame; summed by the mixer they must not reach
// full scale, where it would saturate.
TEST(SoundMixTest, SoundsOfOneLandingSumWithoutClipping) {
    constexpr double kCeilingDbfs = -0.5;
    const Started landing{ResourceId::kLandingSound, kLandingVolume};
    const Started levelUp{ResourceId::kLevelUpSound, kFullVolume};
    for (const int id : kRowSounds) {
        const Started rows{id, kFullVolume};
        for (const std::vector<Started>& together :
             {std::vector<Started>{rows, levelUp}, std::vector<Started>{landing, rows},
              std::vector<Started>{landing, levelUp},
              std::vector<Started>{landing, rows, levelUp}}) {
            const double peak = Testing::PeakDbfs(Testing::PlayedTogether(together));
            std::ostringstream key;
            key << "peak";
            for (const Started& started : together) {
                key << '_' << started.id;
            }
            ::testing::Test::RecordProperty(key.str(), std::to_string(peak));
            EXPECT_LE(peak, kCeilingDbfs) << key.str();
        }
    }
}

TEST(SoundMixTest, MenuTracksMatchInLoudness) {
    const double march = Testing::IntegratedLoudness(
        Testing::ToSignal(DecodedResource(ResourceId::kMenuMusicMarch)));
    const double bouncy = Testing::IntegratedLoudness(
        Testing::ToSignal(DecodedResource(ResourceId::kMenuMusicBouncy)));
    Record("lufs_march", {}, march);
    Record("lufs_bouncy", {}, bouncy);
    EXPECT_LE(std::fabs(march - bouncy), 0.5);
}

TEST(SoundMixTest, MenuTracksAreBrightAndWide) {
    for (const int id : kMenuTracks) {
        const Testing::StereoSignal track = Testing::ToSignal(DecodedResource(id));
        const double bright = Testing::EnergyShare(track, 2000.0, track.rate);
        const double correlation = Testing::ChannelCorrelation(track);
        Record("share_above_2k", {id}, bright);
        Record("correlation", {id}, correlation);
        EXPECT_GE(bright, 0.05) << id;
        EXPECT_LE(correlation, 0.85) << id;
    }
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Resources.h"
#include "resources/DecodedSounds.h"
#include "resources/ResourceIds.h"

namespace Drobix {
namespace {

constexpr int kEffectRate = 44100;
constexpr int kLandingRate = 22050;
constexpr int kMusicRate = 24000;
constexpr int kMono = 1;
constexpr int kStereo = 2;

struct ExpectedSound {
    int id;
    int channels;
    long rate;
    std::size_t frames;
};

// Every built-in sound with the format and exact length the asset tool makes.
constexpr ExpectedSound kSounds[] = {
    {ResourceId::kLandingSound, kMono, kLandingRate, 1544},       // 0.07 s
    {ResourceId::kGameOverSound, kStereo, kEffectRate, 105840},   // 2.4 s
    {ResourceId::kFourRowsSound, kStereo, kEffectRate, 70560},    // 1.6 s
    {ResourceId::kLevelUpSound, kStereo, kEffectRate, 61740},     // 1.4 s
    {ResourceId::kOneRowSound, kStereo, kEffectRate, 26460},      // 0.6 s
    {ResourceId::kNewGameSound, kStereo, kEffectRate, 74970},     // 1.7 s
    {ResourceId::kThreeRowsSound, kStereo, kEffectRate, 44100},   // 1.0 s
    {ResourceId::kTwoRowsSound, kStereo, kEffectRate, 35280},     // 0.8 s
    {ResourceId::kMenuMusicMarch, kStereo, kMusicRate, 699904},   // 256 steps of 2734 frames
    {ResourceId::kMenuMusicBouncy, kStereo, kMusicRate, 724992},  // 256 steps of 2832 frames
};

using Testing::DecodedSound;

const DecodedSound& DecodeResource(int id) {
    return Testing::DecodedResource(id);
}

int Peak(const DecodedSound& sound) {
    int peak = 0;
    for (const int16_t sample : sound.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

// The step from frame i - 1 to frame i of one channel, with frames taken round the end of the
// track as a loop plays them.
int StepAt(const DecodedSound& sound, int channel, std::size_t i) {
    const std::size_t frames = sound.Frames();
    return std::abs(sound.At(i % frames, channel) - sound.At((i + frames - 1) % frames, channel));
}

double Rms(const DecodedSound& sound, std::size_t firstFrame, std::size_t frames) {
    double sum = 0.0;
    const std::size_t first = firstFrame * static_cast<std::size_t>(sound.channels);
    const std::size_t count = frames * static_cast<std::size_t>(sound.channels);
    for (std::size_t i = first; i < first + count; ++i) {
        sum += static_cast<double>(sound.samples[i]) * sound.samples[i];
    }
    return std::sqrt(sum / static_cast<double>(count));
}

TEST(SoundResourcesTest, EverySoundDecodesWithItsFormatAndExactLength) {
    for (const ExpectedSound& expected : kSounds) {
        SCOPED_TRACE(expected.id);
        const DecodedSound& sound = DecodeResource(expected.id);
        ASSERT_TRUE(sound.opened);
        EXPECT_FALSE(sound.damaged);
        EXPECT_EQ(sound.channels, expected.channels);
        EXPECT_EQ(sound.rate, expected.rate);
        EXPECT_EQ(sound.samples.size() % static_cast<std::size_t>(expected.channels), 0u);
        EXPECT_EQ(sound.Frames(), expected.frames);
    }
}

TEST(SoundResourcesTest, DecodedSizesMatchWhatTheGameBudgetsFor) {
    std::size_t effectBytes = 0;
    for (const ExpectedSound& expected : kSounds) {
        if (expected.id != ResourceId::kMenuMusicMarch &&
            expected.id != ResourceId::kMenuMusicBouncy) {
            effectBytes += DecodeResource(expected.id).Bytes();
        }
    }
    // About 1.7 MB for the eight effects, 2.8 MB and 2.9 MB for the two tracks.
    EXPECT_NEAR(static_cast<double>(effectBytes), 1.7e6, 0.05e6);
    EXPECT_NEAR(static_cast<double>(DecodeResource(ResourceId::kMenuMusicMarch).Bytes()), 2.8e6,
                0.05e6);
    EXPECT_NEAR(static_cast<double>(DecodeResource(ResourceId::kMenuMusicBouncy).Bytes()), 2.9e6,
                0.05e6);
    // The game reserves twelve times the stream's size for the decoded sound.
    for (const ExpectedSound& expected : kSounds) {
        SCOPED_TRACE(expected.id);
        const std::size_t streamBytes = Platform::FindResource(expected.id, "OGG").size();
        EXPECT_LE(DecodeResource(expected.id).Bytes(), 12 * streamBytes);
    }
}

TEST(SoundResourcesTest, SoundsAreAudibleWithoutClippingAndEffectsEndInSilence) {
    constexpr int kFullScale = 32767;
    constexpr int kHeadroom = kFullScale * 9 / 10;  // about 1 dB below full scale
    constexpr int kAudible = kFullScale / 10;
    constexpr int kSilence = 64;
    for (const ExpectedSound& expected : kSounds) {
        SCOPED_TRACE(expected.id);
        const DecodedSound& sound = DecodeResource(expected.id);
        ASSERT_GT(sound.Frames(), 0u);
        const int peak = Peak(sound);
        EXPECT_LT(peak, kHeadroom);
        EXPECT_GT(peak, kAudible);
        if (expected.id != ResourceId::kMenuMusicMarch &&
            expected.id != ResourceId::kMenuMusicBouncy) {
            for (int channel = 0; channel < sound.channels; ++channel) {
                EXPECT_LE(std::abs(sound.At(sound.Frames() - 1, channel)), kSilence);
            }
        }
    }
}

// A loop joins without a gap when the music plays on through its last and first moments, and
// without a click when the wave steps no further from the last frame to the first than it
// commonly does between neighbouring frames inside the track.
TEST(SoundResourcesTest, MusicLoopsWithoutAGapOrAClick) {
    constexpr double kEdgeSeconds = 0.05;
    constexpr double kQuietestEdge = 0.1;  // 20 dB under the whole track: a breath, not a gap
    for (const int id : {ResourceId::kMenuMusicMarch, ResourceId::kMenuMusicBouncy}) {
        SCOPED_TRACE(id);
        const DecodedSound& sound = DecodeResource(id);
        const auto edge = static_cast<std::size_t>(kEdgeSeconds * static_cast<double>(sound.rate));
        ASSERT_GT(sound.Frames(), 2 * edge);
        const double level = Rms(sound, 0, sound.Frames());
        EXPECT_GT(Rms(sound, 0, edge), kQuietestEdge * level);
        EXPECT_GT(Rms(sound, sound.Frames() - edge, edge), kQuietestEdge * level);
        for (int channel = 0; channel < sound.channels; ++channel) {
            std::vector<int> steps;
            for (std::size_t i = 1; i < sound.Frames(); ++i) {
                steps.push_back(StepAt(sound, channel, i));
            }
            const auto common =
                steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 99 / 100);
            std::nth_element(steps.begin(), common, steps.end());
            const std::string key = "seam_" + std::to_string(id) + "_" + std::to_string(channel);
            RecordProperty(
                key, std::to_string(StepAt(sound, channel, 0)) + " of " + std::to_string(*common));
            EXPECT_LE(StepAt(sound, channel, 0), *common) << "channel " << channel;
        }
    }
}

}  // namespace
}  // namespace Drobix

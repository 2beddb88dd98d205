// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/Mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/Audio.h"
#include "platform/helpers/PcmBytes.h"

namespace Drobix::Platform {
namespace {

constexpr size_t kOutputSecond = kOutputRate;

std::vector<uint8_t> Pcm(const std::vector<int16_t>& samples) {
    return Testing::PcmBytes(samples);
}

std::vector<int16_t> Constant(size_t frames, int16_t value, uint16_t channels = 1) {
    return std::vector<int16_t>(frames * channels, value);
}

// Frame i holds i * step, so every frame tells where it came from.
std::vector<int16_t> Ramp(size_t frames, int16_t step = 7) {
    std::vector<int16_t> samples(frames);
    for (size_t i = 0; i < frames; ++i) {
        samples[i] = static_cast<int16_t>(static_cast<int>(i) * step);
    }
    return samples;
}

std::vector<int16_t> Sine(uint32_t rate, double frequency, size_t frames) {
    std::vector<int16_t> samples(frames);
    for (size_t i = 0; i < frames; ++i) {
        samples[i] =
            static_cast<int16_t>(std::lround(16000.0 * std::sin(2.0 * std::numbers::pi * frequency *
                                                                static_cast<double>(i) / rate)));
    }
    return samples;
}

// Interleaved stereo output of the next frames.
std::vector<int16_t> MixFrames(Mixer& mixer, size_t frames) {
    std::vector<int16_t> output(frames * kOutputChannels, 1234);
    mixer.Mix(output);
    return output;
}

int16_t Left(const std::vector<int16_t>& output, size_t frame) {
    return output[frame * 2];
}
int16_t Right(const std::vector<int16_t>& output, size_t frame) {
    return output[frame * 2 + 1];
}

class MixerResamplingTest : public testing::TestWithParam<uint32_t> {};

TEST_P(MixerResamplingTest, KeepsPitchAndLength) {
    const uint32_t rate = GetParam();
    constexpr double kFrequency = 441.0;
    Mixer mixer;
    // One second of sound at the voice's own rate.
    const auto voice = mixer.AddVoice(Pcm(Sine(rate, kFrequency, rate)), 1, rate);
    mixer.Play(voice, false);
    const auto output = MixFrames(mixer, kOutputSecond + kOutputSecond / 10);

    size_t lastSounding = 0;
    int risingCrossings = 0;
    for (size_t frame = 1; frame < output.size() / 2; ++frame) {
        ASSERT_EQ(Left(output, frame), Right(output, frame)) << frame;
        if (Left(output, frame) != 0) {
            lastSounding = frame;
        }
        if (Left(output, frame - 1) < 0 && Left(output, frame) >= 0) {
            ++risingCrossings;
        }
    }
    // One second at the output rate, give or take the last interpolated frame.
    EXPECT_NEAR(static_cast<double>(lastSounding), kOutputSecond, 2.0);
    EXPECT_NEAR(risingCrossings, kFrequency, 1.0);
    EXPECT_FALSE(mixer.IsPlaying(voice));
}

INSTANTIATE_TEST_SUITE_P(Rates, MixerResamplingTest,
                         testing::Values(11025U, 22050U, 24000U, 44100U, 48000U));

TEST(MixerTest, VolumeIsHundredthsOfADecibel) {
    EXPECT_EQ(Mixer::GainForVolume(0), Mixer::kUnityGain);
    EXPECT_EQ(Mixer::GainForVolume(250), Mixer::kUnityGain);
    EXPECT_EQ(Mixer::GainForVolume(-10000), 0);
    EXPECT_EQ(Mixer::GainForVolume(-20000), 0);

    Mixer mixer;
    const auto voice = mixer.AddVoice(Pcm(Constant(1000, 20000)), 1, kOutputRate);
    mixer.SetVolume(voice, -1500);
    mixer.Play(voice, true);
    const auto output = MixFrames(mixer, 10);
    const double expected = 20000.0 * std::pow(10.0, -1500.0 / 2000.0);
    EXPECT_NEAR(Left(output, 5), expected, 1.0);
    EXPECT_NEAR(Right(output, 5), expected, 1.0);
}

// The player's level adds to the volume, in whichever order the two are set, and the level
// alone silences a voice at its lowest.
TEST(MixerTest, LevelAddsToTheVolume) {
    Mixer mixer;
    const auto voice = mixer.AddVoice(Pcm(Constant(1000, 20000)), 1, kOutputRate);
    mixer.Play(voice, true);
    mixer.SetLevel(voice, -1500);
    const double levelOnly = 20000.0 * std::pow(10.0, -1500.0 / 2000.0);
    EXPECT_NEAR(Left(MixFrames(mixer, 10), 5), levelOnly, 1.0);
    mixer.SetVolume(voice, -600);
    const double both = 20000.0 * std::pow(10.0, -2100.0 / 2000.0);
    EXPECT_NEAR(Right(MixFrames(mixer, 10), 5), both, 1.0);
    mixer.SetLevel(voice, 0);
    const double volumeOnly = 20000.0 * std::pow(10.0, -600.0 / 2000.0);
    EXPECT_NEAR(Left(MixFrames(mixer, 10), 5), volumeOnly, 1.0);
    mixer.SetLevel(voice, -10000);
    mixer.SetVolume(voice, 0);
    EXPECT_EQ(Left(MixFrames(mixer, 10), 5), 0);
    EXPECT_EQ(Right(MixFrames(mixer, 10), 5), 0);
}

TEST(MixerTest, LoopingWrapsWithoutAGap) {
    constexpr size_t kFrames = 1000;
    Mixer mixer;
    const auto voice = mixer.AddVoice(Pcm(Ramp(kFrames)), 1, kOutputRate);
    mixer.Play(voice, true);
    // Several loops, across several internal mixing passes.
    const auto output = MixFrames(mixer, 3 * kFrames + 500);
    for (size_t frame = 0; frame < output.size() / 2; ++frame) {
        ASSERT_EQ(Left(output, frame), static_cast<int16_t>((frame % kFrames) * 7)) << frame;
    }
    EXPECT_TRUE(mixer.IsPlaying(voice));

    // At half the output rate, the frame between the last and the first sample lies halfway
    // between them, not at silence.
    Mixer halfRate;
    const auto slow = halfRate.AddVoice(Pcm(Ramp(kFrames)), 1, kOutputRate / 2);
    halfRate.Play(slow, true);
    const auto slowOutput = MixFrames(halfRate, 2 * kFrames + 2);
    EXPECT_EQ(Left(slowOutput, 2 * kFrames - 2), (kFrames - 1) * 7);
    EXPECT_EQ(Left(slowOutput, 2 * kFrames - 1), (kFrames - 1) * 7 / 2);
    EXPECT_EQ(Left(slowOutput, 2 * kFrames), 0);
    EXPECT_EQ(Left(slowOutput, 2 * kFrames + 1), 7 / 2);
}

TEST(MixerTest, StereoKeepsItsChannelsAcrossLoopsPassesAndItsEnd) {
    constexpr size_t kFrames = 1500;
    std::vector<int16_t> samples;
    for (size_t i = 0; i < kFrames; ++i) {
        samples.push_back(static_cast<int16_t>(static_cast<int>(i) * 7));
        samples.push_back(static_cast<int16_t>(static_cast<int>(i) * -5));
    }
    for (const bool looping : {true, false}) {
        SCOPED_TRACE(looping ? "looping" : "once");
        Mixer mixer;
        const auto voice = mixer.AddVoice(Pcm(samples), 2, kOutputRate);
        mixer.Play(voice, looping);
        const auto output = MixFrames(mixer, 3 * kFrames + 300);
        for (size_t frame = 0; frame < output.size() / 2; ++frame) {
            const bool sounding = looping || frame < kFrames;
            const size_t source = frame % kFrames;
            ASSERT_EQ(Left(output, frame), sounding ? samples[2 * source] : 0) << frame;
            ASSERT_EQ(Right(output, frame), sounding ? samples[2 * source + 1] : 0) << frame;
        }
        EXPECT_EQ(mixer.IsPlaying(voice), looping);
    }
}

TEST(MixerTest, VoicesSumAndSaturate) {
    Mixer mixer;
    const auto loud = mixer.AddVoice(Pcm(Constant(100, 20000)), 1, kOutputRate);
    const auto louder = mixer.AddVoice(Pcm(Constant(100, 20000)), 1, kOutputRate);
    mixer.Play(loud, true);
    mixer.Play(louder, true);
    EXPECT_EQ(Left(MixFrames(mixer, 1), 0), 32767);

    Mixer negative;
    for (int i = 0; i < 2; ++i) {
        negative.Play(negative.AddVoice(Pcm(Constant(100, -20000)), 1, kOutputRate), true);
    }
    EXPECT_EQ(Right(MixFrames(negative, 1), 0), -32768);

    // A stereo voice keeps its channels apart; a mono one goes to both.
    Mixer mixed;
    mixed.Play(mixed.AddVoice(Pcm({1000, -1000, 1000, -1000}), 2, kOutputRate), true);
    mixed.Play(mixed.AddVoice(Pcm(Constant(4, 500)), 1, kOutputRate), true);
    const auto output = MixFrames(mixed, 2);
    EXPECT_EQ(Left(output, 1), 1500);
    EXPECT_EQ(Right(output, 1), -500);
}

TEST(MixerTest, AVoiceThatEndedStartsAgainFromItsBeginning) {
    constexpr size_t kFrames = 300;
    Mixer mixer;
    const auto voice = mixer.AddVoice(Pcm(Ramp(kFrames)), 1, kOutputRate);
    mixer.Play(voice, false);
    const auto first = MixFrames(mixer, kFrames + 50);
    EXPECT_EQ(Left(first, kFrames - 1), (kFrames - 1) * 7);
    EXPECT_EQ(Left(first, kFrames), 0);
    EXPECT_FALSE(mixer.IsPlaying(voice));

    mixer.Play(voice, false);
    const auto again = MixFrames(mixer, 10);
    EXPECT_EQ(Left(again, 0), 0);
    EXPECT_EQ(Left(again, 9), 63);
}

TEST(MixerTest, PlayWhilePlayingCarriesOnAndStopKeepsThePosition) {
    constexpr size_t kFrames = 300;
    Mixer mixer;
    const auto voice = mixer.AddVoice(Pcm(Ramp(kFrames)), 1, kOutputRate);
    mixer.Play(voice, false);
    MixFrames(mixer, 100);
    mixer.Play(voice, false);
    EXPECT_EQ(Left(MixFrames(mixer, 1), 0), 100 * 7);

    mixer.Stop(voice);
    EXPECT_EQ(Left(MixFrames(mixer, 1), 0), 0);
    mixer.Play(voice, false);
    EXPECT_EQ(Left(MixFrames(mixer, 1), 0), 101 * 7);

    // Playing again as a loop while it plays turns the rest into a loop.
    mixer.Play(voice, true);
    const auto looped = MixFrames(mixer, kFrames);
    EXPECT_EQ(Left(looped, kFrames - 102), 0);
    EXPECT_TRUE(mixer.IsPlaying(voice));
}

TEST(MixerTest, ARemovedVoiceFallsSilentAndUnknownIdsAreIgnored) {
    Mixer mixer;
    const auto voice = mixer.AddVoice(Pcm(Constant(100, 3000)), 1, kOutputRate);
    mixer.Play(voice, true);
    mixer.RemoveVoice(voice);
    mixer.Play(voice, true);
    mixer.SetVolume(voice, -100);
    EXPECT_FALSE(mixer.IsPlaying(voice));
    EXPECT_EQ(mixer.VoiceCount(), 0U);
    EXPECT_EQ(Left(MixFrames(mixer, 1), 0), 0);
}

TEST(MixerTest, PcmBytesAreLittleEndian) {
    Mixer mixer;
    mixer.Play(mixer.AddVoice({0x34, 0x12, 0xFF, 0xFF, 0x00, 0x80}, 1, kOutputRate), false);
    const std::vector<int16_t> output = MixFrames(mixer, 3);
    EXPECT_EQ(Left(output, 0), 0x1234);
    EXPECT_EQ(Left(output, 1), -1);
    EXPECT_EQ(Left(output, 2), -32768);
}

}  // namespace
}  // namespace Drobix::Platform

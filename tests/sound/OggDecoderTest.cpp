// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/OggDecoder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "sound/OggTestStream.h"

namespace Drobix {
namespace {

constexpr double kToneHz = 441.0;
constexpr float kAmplitude = 0.5F;
constexpr int kFullScale = 32767;

int16_t SampleAt(const std::vector<uint8_t>& pcm, size_t index) {
    return static_cast<int16_t>(pcm[2 * index] | (pcm[2 * index + 1] << 8));
}

int PeakOfChannel(const DecodedSound& sound, int channel) {
    int peak = 0;
    const size_t samples = sound.pcm.size() / 2;
    for (size_t i = static_cast<size_t>(channel); i < samples; i += sound.channels) {
        peak = std::max(peak, std::abs(static_cast<int>(SampleAt(sound.pcm, i))));
    }
    return peak;
}

struct StreamCase {
    int channels;
    long rate;
    size_t frames;
};

class OggDecoderFormatTest : public testing::TestWithParam<StreamCase> {};

TEST_P(OggDecoderFormatTest, DecodesEveryFrameInItsOwnFormat) {
    const auto [channels, rate, frames] = GetParam();
    const auto ogg = Testing::EncodeOggVorbis(
        channels, rate, Testing::MakeTone(channels, rate, kToneHz, frames, kAmplitude));
    const auto sound = DecodeOgg(ogg);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->channels, channels);
    EXPECT_EQ(sound->samplesPerSecond, static_cast<uint32_t>(rate));
    EXPECT_EQ(sound->pcm.size(), frames * static_cast<size_t>(channels) * 2);
    // The samples are 16-bit little-endian with the channels in order: channel 0 carries the
    // tone at full amplitude, the others at half.
    EXPECT_NEAR(PeakOfChannel(*sound, 0), kAmplitude * kFullScale, 0.1 * kAmplitude * kFullScale);
    if (channels == 2) {
        EXPECT_NEAR(PeakOfChannel(*sound, 1), kAmplitude / 2 * kFullScale,
                    0.1 * kAmplitude / 2 * kFullScale);
    }
}

INSTANTIATE_TEST_SUITE_P(Streams, OggDecoderFormatTest,
                         testing::Values(StreamCase{1, 22050, 11025}, StreamCase{2, 24000, 30000},
                                         StreamCase{2, 44100, 4410}, StreamCase{1, 44100, 100}));

TEST(OggDecoderTest, BytesThatAreNoOggVorbisStreamGiveNothing) {
    EXPECT_FALSE(DecodeOgg({}).has_value());
    std::vector<uint8_t> noise(5000);
    for (size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<uint8_t>(i * 7919 % 251);
    }
    EXPECT_FALSE(DecodeOgg(noise).has_value());
    const auto ogg = Testing::EncodeOggVorbis(1, 22050, Testing::MakeTone(1, 22050, kToneHz, 2000));
    const auto firstPage = Testing::SplitOggPages(ogg).front();
    EXPECT_FALSE(DecodeOgg(std::span(ogg).first(firstPage.second)).has_value());
}

TEST(OggDecoderTest, EveryTruncationDecodesToAShorterSoundOrNothing) {
    const auto ogg = Testing::EncodeOggVorbis(2, 24000, Testing::MakeTone(2, 24000, kToneHz, 3000));
    const size_t fullBytes = DecodeOgg(ogg)->pcm.size();
    // The identification page, then the comment and codebook page.
    const auto headerPage = Testing::SplitOggPages(ogg)[1];
    const size_t headersEnd = headerPage.first + headerPage.second;
    for (size_t length = 0; length < ogg.size(); ++length) {
        const auto sound = DecodeOgg(std::span(ogg).first(length));
        // Once the headers are complete, a cut stream opens and gives what it holds.
        ASSERT_EQ(sound.has_value(), length >= headersEnd) << length;
        if (sound) {
            ASSERT_EQ(sound->channels, 2) << length;
            ASSERT_LE(sound->pcm.size(), fullBytes) << length;
            ASSERT_EQ(sound->pcm.size() % 4, 0U) << length;
        }
    }
}

TEST(OggDecoderTest, MissingAndDamagedPagesAreSkipped) {
    // Noise, so that the stream spans many pages.
    constexpr size_t kFrames = 44100;
    std::vector<float> noise(kFrames);
    uint32_t state = 1;
    for (float& sample : noise) {
        state = state * 1664525U + 1013904223U;
        sample = static_cast<float>(state >> 8) / static_cast<float>(1U << 24) - 0.5F;
    }
    const auto ogg = Testing::EncodeOggVorbis(1, 44100, noise);
    const auto pages = Testing::SplitOggPages(ogg);
    ASSERT_GE(pages.size(), 5U);
    const size_t fullBytes = kFrames * 2;

    // A page lost from the middle: the sound is shorter by what it held.
    std::vector<uint8_t> holed(ogg.begin(), ogg.begin() + static_cast<long>(pages[3].first));
    holed.insert(holed.end(), ogg.begin() + static_cast<long>(pages[4].first), ogg.end());
    const auto withHole = DecodeOgg(holed);
    ASSERT_TRUE(withHole.has_value());
    EXPECT_LT(withHole->pcm.size(), fullBytes);
    EXPECT_GT(withHole->pcm.size(), fullBytes / 2);

    // Every audio page damaged: the stream opens and decodes to little or nothing.
    std::vector<uint8_t> damaged = ogg;
    for (size_t page = 3; page < pages.size(); ++page) {
        damaged[pages[page].first + pages[page].second - 1] ^= 0xFF;
    }
    const auto fromDamaged = DecodeOgg(damaged);
    ASSERT_TRUE(fromDamaged.has_value());
    EXPECT_LT(fromDamaged->pcm.size(), fullBytes / 2);
}

}  // namespace
}  // namespace Drobix

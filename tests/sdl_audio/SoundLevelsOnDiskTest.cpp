// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound levels as they come out of the real audio path: the sound module, the mixer and an
// SDL device, with SDL's disk driver writing every sample the device plays to a file. The same
// stretch of a built-in sound is played at level 10 and at level 5, and the two are compared.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "TempDataHome.h"
#include "resources/ResourceIds.h"
#include "sound/Sound.h"
#include "sound/SoundPlayback.h"
#include "storage/Preferences.h"
#include "storage/Settings.h"

namespace Drobix {
namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
// Silence this long between two plays tells them apart in the output.
constexpr int kGapFrames = kRate / 5;
constexpr auto kGapTime = std::chrono::milliseconds(500);
// The stretch compared: long enough to hold the sounds' loud parts.
constexpr int kWindowFrames = kRate * 3 / 10;
constexpr double kExpectedStepDb = -15.0;
constexpr double kToleranceDb = 1.0;

void Wait(std::chrono::milliseconds time) {
    std::this_thread::sleep_for(time);
}

std::vector<int16_t> ReadSamples(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    std::vector<int16_t> samples(bytes.size() / sizeof(int16_t));
    for (size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<uint8_t>(bytes[2 * i]);
        const auto high = static_cast<uint8_t>(bytes[2 * i + 1]);
        samples[i] = static_cast<int16_t>(low | (high << 8));
    }
    return samples;
}

bool IsSilentFrame(const std::vector<int16_t>& samples, size_t frame) {
    return samples[frame * kChannels] == 0 && samples[frame * kChannels + 1] == 0;
}

// The first frames of each play: a sounding frame after at least kGapFrames of silence (or at
// the start of the file).
std::vector<size_t> PlayStarts(const std::vector<int16_t>& samples) {
    std::vector<size_t> starts;
    size_t silentRun = kGapFrames;
    const size_t frames = samples.size() / kChannels;
    for (size_t frame = 0; frame < frames; ++frame) {
        if (IsSilentFrame(samples, frame)) {
            ++silentRun;
            continue;
        }
        if (silentRun >= kGapFrames) {
            starts.push_back(frame);
        }
        silentRun = 0;
    }
    return starts;
}

double RmsOf(const std::vector<int16_t>& samples, size_t firstFrame) {
    double sum = 0;
    for (size_t i = firstFrame * kChannels; i < (firstFrame + kWindowFrames) * kChannels; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return std::sqrt(sum / (kWindowFrames * kChannels));
}

class SoundLevelsOnDiskTest : public testing::Test {
protected:
    void SetUp() override {
        path_ = (std::filesystem::temp_directory_path() /
                 ("drobix-levels-" + std::to_string(::getpid()) + ".raw"))
                    .string();
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
        LoadSettings();
        SetSoundOn(true);
        GetPreferences() = Preferences{};
        InitSound();
        ASSERT_TRUE(soundAvailable);
    }
    void TearDown() override {
        ShutdownSound();
        GetPreferences() = Preferences{};
        std::remove(path_.c_str());
    }

    // Plays the sound from its beginning at the preferences' levels, for the time given, then
    // stops it and lets the device play silence.
    void PlayFromTheStart(int id, SoundKind kind, uint32_t flags, std::chrono::milliseconds time) {
        FreeSound(id);
        Sound* sound = LoadSound(id, flags, kind);
        StartSound(sound, kind == SoundKind::Music ? kDsbPlayLooping : 0);
        Wait(time);
        StopSound(sound);
        Wait(kGapTime);
    }

    // The level 5 play against the level 10 play, in decibels, from the file the device wrote.
    double MeasuredStepDb() {
        ShutdownSound();
        const std::vector<int16_t> samples = ReadSamples(path_);
        const std::vector<size_t> starts = PlayStarts(samples);
        EXPECT_EQ(starts.size(), 2U);
        if (starts.size() != 2 || (starts[1] + kWindowFrames) * kChannels > samples.size()) {
            return 0.0;
        }
        const double full = RmsOf(samples, starts[0]);
        const double half = RmsOf(samples, starts[1]);
        const double stepDb = 20.0 * std::log10(half / full);
        std::printf("level 10 rms %.1f, level 5 rms %.1f: %.2f dB\n", full, half, stepDb);
        return stepDb;
    }

    Testing::TempDataHome home_;
    std::string path_;
};

TEST_F(SoundLevelsOnDiskTest, MusicAtFiveIsFifteenDecibelsUnderMusicAtTen) {
    PlayFromTheStart(ResourceId::kMenuMusicMarch, SoundKind::Music, 0,
                     std::chrono::milliseconds(800));
    GetPreferences().musicLevel = 5;
    PlayFromTheStart(ResourceId::kMenuMusicMarch, SoundKind::Music, 0,
                     std::chrono::milliseconds(800));
    EXPECT_NEAR(MeasuredStepDb(), kExpectedStepDb, kToleranceDb);
}

TEST_F(SoundLevelsOnDiskTest, EffectsAtFiveAreFifteenDecibelsUnderEffectsAtTen) {
    PlayFromTheStart(ResourceId::kFourRowsSound, SoundKind::Effect, kDsbCapsStatic,
                     std::chrono::milliseconds(800));
    GetPreferences().effectsLevel = 5;
    // The music's level leaves the effects alone.
    GetPreferences().musicLevel = 0;
    PlayFromTheStart(ResourceId::kFourRowsSound, SoundKind::Effect, kDsbCapsStatic,
                     std::chrono::milliseconds(800));
    EXPECT_NEAR(MeasuredStepDb(), kExpectedStepDb, kToleranceDb);
}

}  // namespace
}  // namespace Drobix

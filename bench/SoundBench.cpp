// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Decoding the sounds as start-up and every return to the menus do it, with the seconds of
// sound decoded per second (realtime_factor), and one frame's worth of mixing. Compare times
// with BM_FrameCopy from the same run. A sound not built in is replaced by a stream encoded
// here in a plausible format, and the benchmark's label says "stand-in".
#include <benchmark/benchmark.h>

#include <map>
#include <utility>
#include <vector>

#include "platform/Audio.h"
#include "platform/Resources.h"
#include "platform/helpers/Mixer.h"
#include "resources/ResourceIds.h"
#include "sound/OggDecoder.h"
#include "sound/OggTestStream.h"

namespace {

using namespace Drobix;

struct StandIn {
    int channels;
    long rate;
    double seconds;
};

// Formats and lengths in the range of the built-in sounds.
const std::map<int, StandIn> kStandIns{
    {ResourceId::kLandingSound, {1, 22050, 0.1}},
    {ResourceId::kGameOverSound, {1, 22050, 2.0}},
    {ResourceId::kFourRowsSound, {2, 24000, 3.0}},
    {ResourceId::kLevelUpSound, {2, 44100, 2.0}},
    {ResourceId::kOneRowSound, {1, 22050, 1.0}},
    {ResourceId::kNewGameSound, {2, 44100, 2.5}},
    {ResourceId::kThreeRowsSound, {1, 24000, 1.5}},
    {ResourceId::kTwoRowsSound, {1, 22050, 1.2}},
    {ResourceId::kMenuMusicMarch, {2, 24000, 29.0}},
    {ResourceId::kMenuMusicBouncy, {2, 24000, 31.0}},
};
constexpr int kEffectIds[] = {ResourceId::kNewGameSound,  ResourceId::kLandingSound,
                              ResourceId::kGameOverSound, ResourceId::kOneRowSound,
                              ResourceId::kTwoRowsSound,  ResourceId::kThreeRowsSound,
                              ResourceId::kFourRowsSound, ResourceId::kLevelUpSound};

// A chord with a slow tremolo, so the encoder has music-like work rather than a pure tone.
std::vector<float> StandInSamples(const StandIn& shape) {
    const auto frames = static_cast<size_t>(shape.seconds * static_cast<double>(shape.rate));
    std::vector<float> samples(frames * static_cast<size_t>(shape.channels), 0.0F);
    for (double frequency : {220.0, 277.2, 329.6, 440.0}) {
        const auto tone = Testing::MakeTone(shape.channels, shape.rate, frequency, frames, 0.2F);
        for (size_t i = 0; i < samples.size(); ++i) {
            samples[i] += tone[i];
        }
    }
    return samples;
}

struct BenchSound {
    std::vector<uint8_t> bytes;
    bool standIn = false;
};

const BenchSound& SoundBytes(int id) {
    static std::map<int, BenchSound> cache;
    auto& entry = cache[id];
    if (entry.bytes.empty()) {
        const auto builtIn = Platform::FindResource(id, "OGG");
        if (!builtIn.empty()) {
            entry.bytes.assign(builtIn.begin(), builtIn.end());
        } else {
            const StandIn& shape = kStandIns.at(id);
            entry.bytes =
                Testing::EncodeOggVorbis(shape.channels, shape.rate, StandInSamples(shape));
            entry.standIn = true;
        }
    }
    return entry;
}

double SecondsOfSound(const DecodedSound& sound) {
    return static_cast<double>(sound.pcm.size()) /
           Platform::MakePcmFormat(sound.channels, sound.samplesPerSecond).averageBytesPerSecond;
}

void ReportRealTimeFactor(benchmark::State& state, double seconds, bool standIn) {
    state.counters["realtime_factor"] =
        benchmark::Counter(seconds, benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel(standIn ? "stand-in" : "built-in");
}

void BM_DecodeSound(benchmark::State& state) {
    const BenchSound& sound = SoundBytes(static_cast<int>(state.range(0)));
    double seconds = 0;
    for (auto _ : state) {
        const auto decoded = DecodeOgg(sound.bytes);
        seconds = SecondsOfSound(*decoded);
        benchmark::DoNotOptimize(decoded->pcm.data());
    }
    ReportRealTimeFactor(state, seconds, sound.standIn);
}
BENCHMARK(BM_DecodeSound)
    ->Arg(ResourceId::kMenuMusicBouncy)
    ->Arg(ResourceId::kMenuMusicMarch)
    ->Arg(ResourceId::kLandingSound)
    ->Arg(ResourceId::kGameOverSound)
    ->Arg(ResourceId::kFourRowsSound)
    ->Arg(ResourceId::kLevelUpSound)
    ->Arg(ResourceId::kOneRowSound)
    ->Arg(ResourceId::kNewGameSound)
    ->Arg(ResourceId::kThreeRowsSound)
    ->Arg(ResourceId::kTwoRowsSound)
    ->Unit(benchmark::kMillisecond);

void BM_DecodeEffects(benchmark::State& state) {
    bool standIn = false;
    for (int id : kEffectIds) {
        standIn = standIn || SoundBytes(id).standIn;
    }
    double seconds = 0;
    for (auto _ : state) {
        seconds = 0;
        for (int id : kEffectIds) {
            const auto decoded = DecodeOgg(SoundBytes(id).bytes);
            seconds += SecondsOfSound(*decoded);
            benchmark::DoNotOptimize(decoded->pcm.data());
        }
    }
    ReportRealTimeFactor(state, seconds, standIn);
}
BENCHMARK(BM_DecodeEffects)->Unit(benchmark::kMillisecond);

// One 60 Hz frame of output (735 stereo frames) with the music and all eight effects sounding.
void BM_MixFrame(benchmark::State& state) {
    constexpr size_t kFramesPerVideoFrame = Platform::kOutputRate / 60;
    Platform::Mixer mixer;
    for (int id :
         {ResourceId::kMenuMusicBouncy, ResourceId::kNewGameSound, ResourceId::kLandingSound,
          ResourceId::kGameOverSound, ResourceId::kOneRowSound, ResourceId::kTwoRowsSound,
          ResourceId::kThreeRowsSound, ResourceId::kFourRowsSound, ResourceId::kLevelUpSound}) {
        auto decoded = DecodeOgg(SoundBytes(id).bytes);
        const auto voice =
            mixer.AddVoice(std::move(decoded->pcm), decoded->channels, decoded->samplesPerSecond);
        mixer.SetVolume(voice, id == ResourceId::kLandingSound ? -1500 : 0);
        mixer.Play(voice, true);
    }
    std::vector<int16_t> output(kFramesPerVideoFrame * Platform::kOutputChannels);
    for (auto _ : state) {
        mixer.Mix(output);
        benchmark::DoNotOptimize(output.data());
    }
}
BENCHMARK(BM_MixFrame);

}  // namespace

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/Mixer.h"

#include <algorithm>
#include <cmath>

#include "platform/Audio.h"

namespace Drobix::Platform {

namespace {

// Frames mixed per pass; the sums buffer is sized for this once, so mixing never allocates.
constexpr size_t kMixChunkFrames = 1024;
constexpr int kFractionBits = 32;
// Interpolation uses the top 15 bits of the fraction so that the products stay within 32 bits.
constexpr int kInterpolationShift = kFractionBits - 15;
constexpr int kInterpolationBits = 15;
constexpr int kGainBits = 15;
// Hundredths of a decibel per tenfold change of amplitude.
constexpr double kVolumePerDecade = 2000.0;

constexpr uint64_t kWholeFrame = uint64_t{1} << kFractionBits;

int32_t LittleEndianSample(const uint8_t* bytes) {
    return static_cast<int16_t>(bytes[0] | (bytes[1] << 8));
}

int16_t Saturate(int32_t sum) {
    return static_cast<int16_t>(std::clamp<int32_t>(sum, INT16_MIN, INT16_MAX));
}

}  // namespace

Mixer::Mixer() : sums_(kMixChunkFrames * kOutputChannels) {}

Mixer::VoiceId Mixer::AddVoice(std::vector<uint8_t> pcm, uint16_t channels, uint32_t rate) {
    Voice voice;
    voice.id = nextId_++;
    voice.channels = channels;
    voice.frames = pcm.size() / (size_t{2} * channels);
    voice.pcm = std::move(pcm);
    voice.step = (static_cast<uint64_t>(rate) << kFractionBits) / kOutputRate;
    voices_.push_back(std::move(voice));
    return voices_.back().id;
}

void Mixer::RemoveVoice(VoiceId id) {
    std::erase_if(voices_, [id](const Voice& voice) { return voice.id == id; });
}

void Mixer::Play(VoiceId id, bool looping) {
    if (Voice* voice = Find(id)) {
        voice->playing = voice->frames > 0;
        voice->looping = looping;
    }
}

void Mixer::Stop(VoiceId id) {
    if (Voice* voice = Find(id)) {
        voice->playing = false;
    }
}

void Mixer::SetVolume(VoiceId id, int32_t volume) {
    if (Voice* voice = Find(id)) {
        voice->volume = std::clamp(volume, kMinVolume, kMaxVolume);
        voice->gain = GainForVolume(voice->volume + voice->level);
    }
}

void Mixer::SetLevel(VoiceId id, int32_t level) {
    if (Voice* voice = Find(id)) {
        voice->level = std::clamp(level, kMinVolume, kMaxVolume);
        voice->gain = GainForVolume(voice->volume + voice->level);
    }
}

bool Mixer::IsPlaying(VoiceId id) const {
    const Voice* voice = Find(id);
    return voice != nullptr && voice->playing;
}

void Mixer::Mix(std::span<int16_t> output) {
    while (!output.empty()) {
        const size_t frames = std::min(output.size() / kOutputChannels, kMixChunkFrames);
        if (frames == 0) {
            std::fill(output.begin(), output.end(), int16_t{0});
            return;
        }
        const std::span<int32_t> sums(sums_.data(), frames * kOutputChannels);
        std::fill(sums.begin(), sums.end(), 0);
        for (Voice& voice : voices_) {
            if (voice.playing) {
                MixVoice(voice, sums);
            }
        }
        std::transform(sums.begin(), sums.end(), output.begin(), Saturate);
        output = output.subspan(sums.size());
    }
}

void Mixer::MixVoice(Voice& voice, std::span<int32_t> sums) {
    if (voice.step == kWholeFrame && (voice.position & (kWholeFrame - 1)) == 0) {
        MixVoiceAtOutputRate(voice, sums);
        return;
    }
    const uint64_t end = voice.frames << kFractionBits;
    const size_t frameCount = sums.size() / kOutputChannels;
    for (size_t frame = 0; frame < frameCount; ++frame) {
        if (voice.position >= end) {
            if (!voice.looping) {
                // Played to its end: the next start begins from the top.
                voice.playing = false;
                voice.position = 0;
                return;
            }
            voice.position %= end;
        }
        const uint64_t index = voice.position >> kFractionBits;
        // Across the end of a looping voice the interpolation runs into its first frame, so
        // the loop joins without a step.
        const uint64_t next = index + 1 < voice.frames ? index + 1 : (voice.looping ? 0 : index);
        const auto fraction = static_cast<int32_t>((voice.position >> kInterpolationShift) &
                                                   ((1U << kInterpolationBits) - 1));
        for (size_t channel = 0; channel < kOutputChannels; ++channel) {
            const size_t source = voice.channels == 1 ? 0 : channel;
            const int32_t a = SampleAt(voice, index * voice.channels + source);
            const int32_t b = SampleAt(voice, next * voice.channels + source);
            const int32_t value = a + (((b - a) * fraction) >> kInterpolationBits);
            sums[frame * kOutputChannels + channel] += (value * voice.gain) >> kGainBits;
        }
        voice.position += voice.step;
    }
}

// A voice at the output rate on a whole frame stays on whole frames: every sample is taken as
// it is, with no interpolation, in runs up to the voice's end that the compiler vectorises.
void Mixer::MixVoiceAtOutputRate(Voice& voice, std::span<int32_t> sums) {
    const size_t frameCount = sums.size() / kOutputChannels;
    size_t frame = 0;
    while (frame < frameCount) {
        uint64_t index = voice.position >> kFractionBits;
        if (index >= voice.frames) {
            if (!voice.looping) {
                voice.playing = false;
                voice.position = 0;
                return;
            }
            index %= voice.frames;
        }
        const size_t run = std::min<uint64_t>(frameCount - frame, voice.frames - index);
        int32_t* out = sums.data() + frame * kOutputChannels;
        const uint8_t* in = voice.pcm.data() + 2 * index * voice.channels;
        const int32_t gain = voice.gain;
        if (voice.channels == kOutputChannels) {
            for (size_t i = 0; i < run * kOutputChannels; ++i) {
                out[i] += (LittleEndianSample(in + 2 * i) * gain) >> kGainBits;
            }
        } else {
            for (size_t i = 0; i < run; ++i) {
                const int32_t value =
                    (LittleEndianSample(in + 2 * i * voice.channels) * gain) >> kGainBits;
                for (size_t channel = 0; channel < kOutputChannels; ++channel) {
                    out[i * kOutputChannels + channel] += value;
                }
            }
        }
        frame += run;
        voice.position = (index + run) << kFractionBits;
    }
}

int32_t Mixer::SampleAt(const Voice& voice, uint64_t index) {
    return LittleEndianSample(voice.pcm.data() + 2 * index);
}

int32_t Mixer::GainForVolume(int32_t volume) {
    const int32_t clamped = std::clamp(volume, kMinVolume, kMaxVolume);
    return static_cast<int32_t>(
        std::lround(kUnityGain * std::pow(10.0, clamped / kVolumePerDecade)));
}

Mixer::Voice* Mixer::Find(VoiceId id) {
    auto found = std::find_if(voices_.begin(), voices_.end(),
                              [id](const Voice& voice) { return voice.id == id; });
    return found == voices_.end() ? nullptr : &*found;
}

const Mixer::Voice* Mixer::Find(VoiceId id) const {
    auto found = std::find_if(voices_.begin(), voices_.end(),
                              [id](const Voice& voice) { return voice.id == id; });
    return found == voices_.end() ? nullptr : &*found;
}

}  // namespace Drobix::Platform

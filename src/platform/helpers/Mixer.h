// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace Drobix::Platform {

// Sums every playing voice into interleaved stereo 16-bit frames at kOutputRate, resampling
// each voice from its own rate by linear interpolation and scaling it by its volume. Not
// thread-safe: whoever shares a mixer with an audio thread holds a lock around every call.
class Mixer {
public:
    using VoiceId = uint32_t;

    Mixer();

    // Takes interleaved signed 16-bit little-endian PCM of one or two channels at the given
    // rate, as it is; the caller checks the format (Audio.h, IsPlayableFormat) and that pcm
    // holds whole frames.
    VoiceId AddVoice(std::vector<uint8_t> pcm, uint16_t channels, uint32_t rate);
    void RemoveVoice(VoiceId id);

    // Unknown ids are ignored by all of these.
    void Play(VoiceId id, bool looping);
    void Stop(VoiceId id);
    void SetVolume(VoiceId id, int32_t volume);
    // An attenuation on top of the volume, in the same units; the two add up.
    void SetLevel(VoiceId id, int32_t level);
    bool IsPlaying(VoiceId id) const;

    // Overwrites output (a whole number of stereo frames) with the next stretch of sound.
    void Mix(std::span<int16_t> output);

    size_t VoiceCount() const { return voices_.size(); }

    // The linear gain for a volume in hundredths of a decibel, in units of 1 / kUnityGain.
    static int32_t GainForVolume(int32_t volume);
    static constexpr int32_t kUnityGain = 1 << 15;

private:
    struct Voice {
        VoiceId id = 0;
        std::vector<uint8_t> pcm;
        uint16_t channels = 1;
        uint64_t frames = 0;
        // Source frames per output frame and the play position, both 32.32 fixed point.
        uint64_t step = 0;
        uint64_t position = 0;
        int32_t volume = 0;
        int32_t level = 0;
        int32_t gain = kUnityGain;
        bool playing = false;
        bool looping = false;
    };

    Voice* Find(VoiceId id);
    const Voice* Find(VoiceId id) const;
    static void MixVoice(Voice& voice, std::span<int32_t> sums);
    static void MixVoiceAtOutputRate(Voice& voice, std::span<int32_t> sums);
    static int32_t SampleAt(const Voice& voice, uint64_t index);

    std::vector<Voice> voices_;
    std::vector<int32_t> sums_;
    VoiceId nextId_ = 1;
};

}  // namespace Drobix::Platform

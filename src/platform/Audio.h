// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The audio device. Backends: sdl/AudioSdl.cpp (a real device, mixed by helpers/Mixer) and
// scripted/AudioScripted.cpp (records every start, stop and volume change).

#include <cstdint>
#include <vector>

namespace Drobix::Platform {

// The layout of 16-bit PCM, field for field as the sound code describes a buffer.
struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t averageBytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;

    bool operator==(const WaveFormat&) const = default;
};

constexpr uint16_t kWaveFormatPcm = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint16_t kBytesPerSample = kBitsPerSample / 8;

// Signed 16-bit little-endian interleaved PCM with the given channel count and rate.
constexpr WaveFormat MakePcmFormat(uint16_t channels, uint32_t samplesPerSecond) {
    const auto blockAlign = static_cast<uint16_t>(channels * kBytesPerSample);
    return {kWaveFormatPcm, channels,      samplesPerSecond, blockAlign * samplesPerSecond,
            blockAlign,     kBitsPerSample};
}

// What the device plays: every buffer is mixed into this.
constexpr uint32_t kOutputRate = 44100;
constexpr uint16_t kOutputChannels = 2;
constexpr WaveFormat kOutputFormat = MakePcmFormat(kOutputChannels, kOutputRate);

// Buffers carry one or two channels at a rate in this range, in any other format they are
// refused.
constexpr uint16_t kMaxBufferChannels = 2;
constexpr uint32_t kMinBufferRate = 100;
constexpr uint32_t kMaxBufferRate = 200000;

constexpr bool IsPlayableFormat(const WaveFormat& format) {
    return format == MakePcmFormat(format.channels, format.samplesPerSecond) &&
           format.channels >= 1 && format.channels <= kMaxBufferChannels &&
           format.samplesPerSecond >= kMinBufferRate && format.samplesPerSecond <= kMaxBufferRate;
}

// Creation flag: the buffer's volume may be changed. Without it volume changes are refused.
constexpr uint32_t kAudioBufferCtrlVolume = 0x80;

// Volume in hundredths of a decibel of attenuation: 0 is full volume, kMinVolume silence.
constexpr int32_t kMaxVolume = 0;
constexpr int32_t kMinVolume = -10000;

// One sound held in memory by the device, in its own format.
struct AudioBuffer;

// Opens the output device (kOutputFormat). False when there is none; every buffer operation
// then refuses or does nothing.
bool OpenAudioDevice();
// Closes the device. Buffers still alive fall silent for good, and are still released by
// their owners. Harmless when the device is not open.
//
// An open device that goes away (a headset unplugged) is lost, not closed: every buffer stays
// valid and keeps its state, nothing is heard, and the next PlayAudioBuffer opens the default
// device of that moment, if there is one, to play on from there.
void CloseAudioDevice();
// Whether the open device is held silent until the player's first key press or click, as a
// browser holds a page's sound (sdl/web/); false everywhere else, and once that came.
bool AudioAwaitsPlayer();

// A buffer holding pcm, which it takes over (a sound's PCM is never copied, so that loading a
// long one does not hold it twice), tagged with the sound's resource id for the records of the
// scripted device. Null when the device is not open, the format is not playable, or pcm is
// empty or not a whole number of frames.
AudioBuffer* CreateAudioBuffer(int soundId, uint32_t flags, const WaveFormat& format,
                               std::vector<uint8_t> pcm);
void ReleaseAudioBuffer(AudioBuffer* buffer);

WaveFormat GetAudioBufferFormat(const AudioBuffer& buffer);
uint32_t GetAudioBufferBytes(const AudioBuffer& buffer);

// Playing a buffer that plays already carries on where it is (only the looping choice
// changes); a stopped buffer goes on from where it stopped, and one that played to its end
// starts from its beginning.
void PlayAudioBuffer(AudioBuffer& buffer, bool looping);
// Stops at the current position.
void StopAudioBuffer(AudioBuffer& buffer);
// Volume is clamped to kMinVolume..kMaxVolume. False, and nothing changes, for a buffer
// created without kAudioBufferCtrlVolume.
bool SetAudioBufferVolume(AudioBuffer& buffer, int32_t volume);
// The player's level for the buffer, in the same hundredths of a decibel (0 leaves it as it
// is), heard on top of its volume at once, the sum clamped as a volume is. Any buffer takes it,
// whatever its creation flags.
void SetAudioBufferLevel(AudioBuffer& buffer, int32_t level);

}  // namespace Drobix::Platform

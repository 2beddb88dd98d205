// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "platform/Audio.h"
#include "platform/scripted/AudioScripted.h"

namespace Drobix::Platform {

struct AudioBuffer {
    int soundId = 0;
    uint32_t flags = 0;
    WaveFormat format;
    std::vector<uint8_t> pcm;
};

namespace {

struct AudioState {
    bool devicePresent = true;
    bool awaitsPlayer = false;
    bool deviceOpen = false;
    // Open, but taken away since it was opened; cleared by the next start once it is back.
    bool deviceLost = false;
    int liveBuffers = 0;
    std::vector<Scripted::AudioEvent> events;
};

AudioState audio;

void Record(Scripted::AudioEvent::Kind kind, const AudioBuffer& buffer, bool looping = false,
            int32_t volume = 0) {
    audio.events.push_back({kind, buffer.soundId, looping, volume});
}

}  // namespace

bool OpenAudioDevice() {
    audio.deviceOpen = audio.devicePresent;
    audio.deviceLost = false;
    return audio.deviceOpen;
}

bool AudioAwaitsPlayer() {
    return audio.deviceOpen && audio.awaitsPlayer;
}

void CloseAudioDevice() {
    audio.deviceOpen = false;
    audio.deviceLost = false;
}

AudioBuffer* CreateAudioBuffer(int soundId, uint32_t flags, const WaveFormat& format,
                               std::vector<uint8_t> pcm) {
    if (!audio.deviceOpen || !IsPlayableFormat(format) || pcm.empty() ||
        pcm.size() % format.blockAlign != 0 || pcm.size() > UINT32_MAX) {
        return nullptr;
    }
    ++audio.liveBuffers;
    return new AudioBuffer{soundId, flags, format, std::move(pcm)};
}

void ReleaseAudioBuffer(AudioBuffer* buffer) {
    if (buffer != nullptr) {
        --audio.liveBuffers;
        delete buffer;
    }
}

WaveFormat GetAudioBufferFormat(const AudioBuffer& buffer) {
    return buffer.format;
}

uint32_t GetAudioBufferBytes(const AudioBuffer& buffer) {
    return static_cast<uint32_t>(buffer.pcm.size());
}

void PlayAudioBuffer(AudioBuffer& buffer, bool looping) {
    if (audio.deviceLost && audio.devicePresent) {
        audio.deviceLost = false;
    }
    if (audio.deviceOpen && !audio.deviceLost) {
        Record(Scripted::AudioEvent::Kind::Start, buffer, looping);
    }
}

void StopAudioBuffer(AudioBuffer& buffer) {
    if (audio.deviceOpen) {
        Record(Scripted::AudioEvent::Kind::Stop, buffer);
    }
}

bool SetAudioBufferVolume(AudioBuffer& buffer, int32_t volume) {
    if (!audio.deviceOpen || (buffer.flags & kAudioBufferCtrlVolume) == 0) {
        return false;
    }
    Record(Scripted::AudioEvent::Kind::Volume, buffer, false,
           std::clamp(volume, kMinVolume, kMaxVolume));
    return true;
}

void SetAudioBufferLevel(AudioBuffer& buffer, int32_t level) {
    if (audio.deviceOpen) {
        Record(Scripted::AudioEvent::Kind::Level, buffer, false,
               std::clamp(level, kMinVolume, kMaxVolume));
    }
}

namespace Scripted {

void SetAudioDevicePresent(bool present) {
    audio.devicePresent = present;
    if (!present && audio.deviceOpen) {
        audio.deviceLost = true;
    }
}

void SetAudioAwaitsPlayer(bool awaits) {
    audio.awaitsPlayer = awaits;
}

const std::vector<AudioEvent>& GetAudioEvents() {
    return audio.events;
}

void ClearAudioEvents() {
    audio.events.clear();
}

std::string DescribeAudioEvent(const AudioEvent& event) {
    const std::string id = std::to_string(event.soundId);
    switch (event.kind) {
        case AudioEvent::Kind::Start:
            return "start " + id + (event.looping ? " loop" : " once");
        case AudioEvent::Kind::Stop:
            return "stop " + id;
        case AudioEvent::Kind::Volume:
            return "volume " + id + " " + std::to_string(event.volume);
        case AudioEvent::Kind::Level:
            return "level " + id + " " + std::to_string(event.volume);
    }
    return {};
}

int CountAudioBuffers() {
    return audio.liveBuffers;
}

std::span<const uint8_t> GetAudioBufferPcm(const AudioBuffer& buffer) {
    return buffer.pcm;
}

}  // namespace Scripted

}  // namespace Drobix::Platform

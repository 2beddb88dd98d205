// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Audio.h"

namespace Drobix::Platform::Scripted {

// What the program asked of the scripted audio device, in order. It mixes nothing.
struct AudioEvent {
    enum class Kind { Start, Stop, Volume, Level };

    Kind kind = Kind::Start;
    int soundId = 0;
    bool looping = false;
    // The volume or the level, in hundredths of a decibel.
    int32_t volume = 0;

    bool operator==(const AudioEvent&) const = default;
};

// Whether a device is plugged in; true unless a test says otherwise. Without one the next
// OpenAudioDevice fails. Taken away while open, the device is lost: starts play nothing, while
// stops and volumes still reach the buffers, which all stay valid; plugged back in, the next
// start opens it again and plays.
void SetAudioDevicePresent(bool present);
// Whether an open device is held silent until the player acts, as a browser holds a page's
// sound; false unless a test says otherwise.
void SetAudioAwaitsPlayer(bool awaits);

const std::vector<AudioEvent>& GetAudioEvents();
void ClearAudioEvents();
// "start 131 once", "start 153 loop", "stop 153", "volume 131 -1500", "level 152 -1500".
std::string DescribeAudioEvent(const AudioEvent& event);

// Buffers created and not yet released.
int CountAudioBuffers();
// The PCM a buffer was given.
std::span<const uint8_t> GetAudioBufferPcm(const AudioBuffer& buffer);

}  // namespace Drobix::Platform::Scripted

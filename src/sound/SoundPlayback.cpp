// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundPlayback.h"

#include "platform/Audio.h"
#include "storage/Settings.h"

namespace Drobix {

namespace {

Platform::AudioBuffer* PlayableBuffer(Sound* sound) {
    return soundAvailable && sound != nullptr ? sound->buffer : nullptr;
}

// Without a loaded settings record nothing is known of the option, and nothing starts.
bool SoundOptionOn() {
    return GetSettings() != nullptr && IsSoundOn();
}

}  // namespace

void StartSound(Sound* sound, uint32_t playFlags) {
    Platform::AudioBuffer* buffer = PlayableBuffer(sound);
    if (buffer != nullptr && SoundOptionOn()) {
        ApplySoundLevel(*sound);
        Platform::PlayAudioBuffer(*buffer, (playFlags & kDsbPlayLooping) != 0);
    }
}

void StopSound(Sound* sound) {
    if (Platform::AudioBuffer* buffer = PlayableBuffer(sound)) {
        Platform::StopAudioBuffer(*buffer);
    }
}

void SetSoundVolume(Sound* sound, int32_t volume) {
    if (Platform::AudioBuffer* buffer = PlayableBuffer(sound)) {
        Platform::SetAudioBufferVolume(*buffer, volume);
    }
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/Sound.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#include "platform/Audio.h"
#include "platform/Debug.h"
#include "platform/Resources.h"
#include "sound/OggDecoder.h"
#include "sound/SoundTesting.h"
#include "storage/Preferences.h"

namespace Drobix {

static_assert(kDsbCapsCtrlVolume == Platform::kAudioBufferCtrlVolume,
              "the sound's creation flag is the device's own");

namespace {

// Each step of the sound levels, 3 dB.
constexpr int32_t kLevelStepHundredthsDb = 300;

std::span<const uint8_t> FindOggResource(int resourceId) {
    return Platform::FindResource(resourceId, "OGG");
}

// ShutdownSound releases every buffer before it closes the device; the finder outlives it.
struct SoundState {
    bool available = false;
    std::map<int, std::unique_ptr<Sound>> soundTable;
    Testing::SoundResourceFinder resourceFinder = FindOggResource;
};

SoundState soundSystem;

Platform::AudioBuffer* MakeBuffer(const Sound& sound, std::span<const uint8_t> oggBytes) {
    auto decoded = DecodeOgg(oggBytes);
    // Decoded once per load; until the next, the stream's bytes need not stay resident.
    Platform::ReleaseResourcePages(sound.resourceId, "OGG");
    if (!decoded) {
        return nullptr;
    }
    const Platform::WaveFormat format =
        Platform::MakePcmFormat(decoded->channels, decoded->samplesPerSecond);
    return Platform::CreateAudioBuffer(sound.resourceId, sound.creationFlags, format,
                                       std::move(decoded->pcm));
}

}  // namespace

const bool& soundAvailable = soundSystem.available;

bool InitSound() {
    if (!soundSystem.available) {
        soundSystem.available = Platform::OpenAudioDevice();
    }
    return true;
}

Sound* LoadSound(int resourceId, uint32_t creationFlags, SoundKind kind) {
    auto& entry = soundSystem.soundTable[resourceId];
    if (!entry) {
        entry = std::make_unique<Sound>();
        entry->creationFlags = creationFlags;
        entry->resourceId = resourceId;
        entry->kind = kind;
        if (soundSystem.available) {
            entry->buffer = MakeBuffer(*entry, soundSystem.resourceFinder(resourceId));
        }
    }
    Platform::DebugOutput("Ogg resource retrieved");
    return entry.get();
}

void FreeSound(int resourceId) {
    auto& soundTable = soundSystem.soundTable;
    const auto found = soundTable.find(resourceId);
    if (found == soundTable.end()) {
        return;
    }
    Platform::ReleaseAudioBuffer(found->second->buffer);
    soundTable.erase(found);
}

bool SoundAwaitsPlayer() {
    return soundSystem.available && Platform::AudioAwaitsPlayer();
}

void ShutdownSound() {
    for (auto& [id, sound] : soundSystem.soundTable) {
        Platform::ReleaseAudioBuffer(sound->buffer);
    }
    soundSystem.soundTable.clear();
    Platform::CloseAudioDevice();
    soundSystem.available = false;
}

int32_t SoundLevelAttenuation(int level) {
    const int clamped = std::clamp(level, kMinSoundLevel, kMaxSoundLevel);
    if (clamped == kMinSoundLevel) {
        return Platform::kMinVolume;
    }
    return -kLevelStepHundredthsDb * (kMaxSoundLevel - clamped);
}

void ApplySoundLevel(Sound& sound) {
    if (!soundSystem.available || sound.buffer == nullptr) {
        return;
    }
    const Preferences& preferences = GetPreferences();
    const int level =
        sound.kind == SoundKind::Music ? preferences.musicLevel : preferences.effectsLevel;
    const int32_t attenuation = SoundLevelAttenuation(level);
    if (attenuation != sound.appliedLevel) {
        Platform::SetAudioBufferLevel(*sound.buffer, attenuation);
        sound.appliedLevel = attenuation;
    }
}

void ApplySoundLevels() {
    for (auto& [id, sound] : soundSystem.soundTable) {
        ApplySoundLevel(*sound);
    }
}

namespace Testing {

void SetSoundResourceFinder(SoundResourceFinder finder) {
    soundSystem.resourceFinder = finder != nullptr ? finder : FindOggResource;
}

}  // namespace Testing

}  // namespace Drobix

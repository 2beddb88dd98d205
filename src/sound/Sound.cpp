// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/Sound.h"

#include <map>
#include <memory>
#include <utility>

#include "platform/Audio.h"
#include "platform/Debug.h"
#include "platform/Resources.h"
#include "sound/OggDecoder.h"
#include "sound/SoundTesting.h"

namespace Drobix {

static_assert(kDsbCapsCtrlVolume == Platform::kAudioBufferCtrlVolume,
              "the sound's creation flag is the device's own");

namespace {

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

Sound* LoadSound(int resourceId, uint32_t creationFlags) {
    auto& entry = soundSystem.soundTable[resourceId];
    if (!entry) {
        entry = std::make_unique<Sound>();
        entry->creationFlags = creationFlags;
        entry->resourceId = resourceId;
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

void ShutdownSound() {
    for (auto& [id, sound] : soundSystem.soundTable) {
        Platform::ReleaseAudioBuffer(sound->buffer);
    }
    soundSystem.soundTable.clear();
    Platform::CloseAudioDevice();
    soundSystem.available = false;
}

namespace Testing {

void SetSoundResourceFinder(SoundResourceFinder finder) {
    soundSystem.resourceFinder = finder != nullptr ? finder : FindOggResource;
}

}  // namespace Testing

}  // namespace Drobix

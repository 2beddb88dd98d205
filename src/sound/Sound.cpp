#include "sound/Sound.h"

#include <map>
#include <memory>

#include "platform/Audio.h"
#include "platform/Debug.h"
#include "platform/Resources.h"
#include "sound/OggDecoder.h"

namespace Drobix {

static_assert(kDsbCapsCtrlVolume == Platform::kAudioBufferCtrlVolume,
              "the sound's creation flag is the device's own");

namespace {

bool available = false;
std::map<int, std::unique_ptr<Sound>> soundTable;

std::span<const uint8_t> FindOggResource(int resourceId) {
    return Platform::FindResource(resourceId, "OGG");
}

SoundResourceFinder resourceFinder = FindOggResource;

Platform::AudioBuffer* MakeBuffer(const Sound& sound, std::span<const uint8_t> oggBytes) {
    const auto decoded = DecodeOgg(oggBytes);
    if (!decoded) {
        return nullptr;
    }
    const Platform::WaveFormat format =
        Platform::MakePcmFormat(decoded->channels, decoded->samplesPerSecond);
    return Platform::CreateAudioBuffer(sound.resourceId, sound.creationFlags, format, decoded->pcm);
}

}  // namespace

const bool& soundAvailable = available;

bool InitSound() {
    if (!available) {
        available = Platform::OpenAudioDevice();
    }
    return true;
}

Sound* LoadSound(int resourceId, uint32_t creationFlags) {
    auto& entry = soundTable[resourceId];
    if (!entry) {
        entry = std::make_unique<Sound>();
        entry->creationFlags = creationFlags;
        entry->resourceId = resourceId;
        if (available) {
            entry->buffer = MakeBuffer(*entry, resourceFinder(resourceId));
        }
    }
    Platform::DebugOutput("Ogg resource retrieved");
    return entry.get();
}

void FreeSound(int resourceId) {
    const auto found = soundTable.find(resourceId);
    if (found == soundTable.end()) {
        return;
    }
    Platform::ReleaseAudioBuffer(found->second->buffer);
    soundTable.erase(found);
}

void ShutdownSound() {
    for (auto& [id, sound] : soundTable) {
        Platform::ReleaseAudioBuffer(sound->buffer);
    }
    soundTable.clear();
    Platform::CloseAudioDevice();
    available = false;
}

void SetSoundResourceFinder(SoundResourceFinder finder) {
    resourceFinder = finder != nullptr ? finder : FindOggResource;
}

}  // namespace Drobix

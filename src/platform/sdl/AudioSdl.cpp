// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <SDL.h>

#include <memory>

#include "platform/Audio.h"
#include "platform/helpers/Mixer.h"

namespace Drobix::Platform {

struct AudioBuffer {
    // The device a buffer was made on; after the device is closed its voice is gone.
    uint32_t deviceGeneration = 0;
    Mixer::VoiceId voice = 0;
    uint32_t flags = 0;
    WaveFormat format;
    uint32_t bytes = 0;
};

namespace {

// About 23 ms at 44100 Hz: short enough that a sound follows its event at once.
constexpr Uint16 kDeviceFrames = 1024;

struct Device {
    // 0 while a lost device could not be replaced.
    SDL_AudioDeviceID id = 0;
    uint32_t generation = 0;
    Mixer mixer;
};

struct AudioState {
    // Counts up for the whole run, so a buffer never takes a later device for its own.
    uint32_t openedDevices = 0;
    // The mixer is shared with SDL's audio thread: every use from the program holds the device
    // lock, which SDL also holds while it runs the callback.
    std::unique_ptr<Device> device;
};

AudioState audio;

class DeviceLock {
public:
    explicit DeviceLock(SDL_AudioDeviceID id) : id_(id) { SDL_LockAudioDevice(id_); }
    ~DeviceLock() { SDL_UnlockAudioDevice(id_); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    SDL_AudioDeviceID id_;
};

void FillFromMixer(void* userData, Uint8* stream, int length) {
    auto* mixer = static_cast<Mixer*>(userData);
    mixer->Mix({reinterpret_cast<int16_t*>(stream), static_cast<size_t>(length) / sizeof(int16_t)});
}

// The default output device playing from the mixer; 0 when there is none.
SDL_AudioDeviceID OpenDefaultDevice(Mixer& mixer) {
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(kOutputRate);
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(kOutputChannels);
    wanted.samples = kDeviceFrames;
    wanted.callback = FillFromMixer;
    wanted.userdata = &mixer;
    // No changes allowed: SDL converts to whatever the hardware wants.
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (id != 0) {
        SDL_PauseAudioDevice(id, 0);
    }
    return id;
}

// SDL stops an unpaused device for good when it goes away (a headset unplugged). The mixer and
// its voices stay; the default device of this moment, if any, takes over from them.
void ReplaceLostDevice(Device& device) {
    if (SDL_GetAudioDeviceStatus(device.id) != SDL_AUDIO_STOPPED) {
        return;
    }
    if (device.id != 0) {
        SDL_CloseAudioDevice(device.id);
    }
    device.id = OpenDefaultDevice(device.mixer);
}

// The mixer that plays the buffer, if the device it was made on is still open.
Mixer* MixerOf(const AudioBuffer& buffer) {
    Device* device = audio.device.get();
    return device && device->generation == buffer.deviceGeneration ? &device->mixer : nullptr;
}

}  // namespace

bool OpenAudioDevice() {
    if (audio.device) {
        return true;
    }
    // With no sound card (or no sound server) this fails and the game stays silent. A user who
    // wants a particular driver names it in SDL_AUDIODRIVER, which SDL reads itself.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    auto opened = std::make_unique<Device>();
    opened->id = OpenDefaultDevice(opened->mixer);
    if (opened->id == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    opened->generation = ++audio.openedDevices;
    audio.device = std::move(opened);
    return true;
}

void CloseAudioDevice() {
    if (!audio.device) {
        return;
    }
    if (audio.device->id != 0) {
        SDL_CloseAudioDevice(audio.device->id);
    }
    audio.device.reset();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

AudioBuffer* CreateAudioBuffer(int /*soundId*/, uint32_t flags, const WaveFormat& format,
                               std::vector<uint8_t> pcm) {
    if (!audio.device || !IsPlayableFormat(format) || pcm.empty() ||
        pcm.size() % format.blockAlign != 0 || pcm.size() > UINT32_MAX) {
        return nullptr;
    }
    auto buffer = std::make_unique<AudioBuffer>();
    buffer->flags = flags;
    buffer->format = format;
    buffer->bytes = static_cast<uint32_t>(pcm.size());
    buffer->deviceGeneration = audio.device->generation;
    DeviceLock lock(audio.device->id);
    buffer->voice =
        audio.device->mixer.AddVoice(std::move(pcm), format.channels, format.samplesPerSecond);
    return buffer.release();
}

void ReleaseAudioBuffer(AudioBuffer* buffer) {
    if (buffer == nullptr) {
        return;
    }
    if (Mixer* mixer = MixerOf(*buffer)) {
        DeviceLock lock(audio.device->id);
        mixer->RemoveVoice(buffer->voice);
    }
    delete buffer;
}

WaveFormat GetAudioBufferFormat(const AudioBuffer& buffer) {
    return buffer.format;
}

uint32_t GetAudioBufferBytes(const AudioBuffer& buffer) {
    return buffer.bytes;
}

void PlayAudioBuffer(AudioBuffer& buffer, bool looping) {
    if (Mixer* mixer = MixerOf(buffer)) {
        ReplaceLostDevice(*audio.device);
        DeviceLock lock(audio.device->id);
        mixer->Play(buffer.voice, looping);
    }
}

void StopAudioBuffer(AudioBuffer& buffer) {
    if (Mixer* mixer = MixerOf(buffer)) {
        DeviceLock lock(audio.device->id);
        mixer->Stop(buffer.voice);
    }
}

bool SetAudioBufferVolume(AudioBuffer& buffer, int32_t volume) {
    Mixer* mixer = MixerOf(buffer);
    if (mixer == nullptr || (buffer.flags & kAudioBufferCtrlVolume) == 0) {
        return false;
    }
    DeviceLock lock(audio.device->id);
    mixer->SetVolume(buffer.voice, volume);
    return true;
}

void SetAudioBufferLevel(AudioBuffer& buffer, int32_t level) {
    if (Mixer* mixer = MixerOf(buffer)) {
        DeviceLock lock(audio.device->id);
        mixer->SetLevel(buffer.voice, level);
    }
}

}  // namespace Drobix::Platform

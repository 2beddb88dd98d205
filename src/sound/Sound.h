// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Drobix::Platform {
// The audio device's buffer of one sound; only the sound module looks inside.
struct AudioBuffer;
}  // namespace Drobix::Platform

namespace Drobix {

// Creation flags of a sound's buffer. Every buffer lives in memory whatever the flags; only a
// buffer made with kDsbCapsCtrlVolume accepts volume changes.
constexpr uint32_t kDsbCapsStatic = 0x2;
constexpr uint32_t kDsbCapsCtrlVolume = 0x80;

// Which of the player's two sound levels a sound follows.
enum class SoundKind {
    Effect,
    Music,
};

// One loaded sound, owned by the sound table. The buffer is null when there is no device or
// the resource gave no playable sound; such a sound is silent.
struct Sound {
    Platform::AudioBuffer* buffer = nullptr;
    uint32_t creationFlags = 0;
    int resourceId = 0;
    SoundKind kind = SoundKind::Effect;
    // The level last given to the buffer, in hundredths of a decibel; 0, full, as made.
    int32_t appliedLevel = 0;
};

// True between an InitSound that found a device and ShutdownSound.
extern const bool& soundAvailable;

// Opens the audio device. Always true; whether sound works is told by soundAvailable. The
// device needs no window.
bool InitSound();

// The table's sound for the id, decoded from its "OGG" resource on the first request (the
// flags and kind of later requests are ignored). Never null.
Sound* LoadSound(int resourceId, uint32_t creationFlags, SoundKind kind = SoundKind::Effect);
// Releases the id's buffer and deletes its record; an id not in the table is ignored.
void FreeSound(int resourceId);
// Whether the sound is held silent until the player's first key press or click (in a browser).
bool SoundAwaitsPlayer();
// Releases every sound and the device. Records handed out earlier are gone.
void ShutdownSound();

// The attenuation of a sound level (0..10, kept inside that range) in hundredths of a decibel:
// 0 at 10, the game's own loudness, 3 dB more for each step down, and silence at 0.
int32_t SoundLevelAttenuation(int level);
// Gives the sound the level of its kind from the preferences, heard at once if it plays. Only a
// level that changed reaches the device.
void ApplySoundLevel(Sound& sound);
// ApplySoundLevel for every sound in the table: a level changed in the preferences is heard at
// once in whatever plays, and in whatever starts later.
void ApplySoundLevels();

}  // namespace Drobix

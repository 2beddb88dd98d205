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

// One loaded sound, owned by the sound table. The buffer is null when there is no device or
// the resource gave no playable sound; such a sound is silent.
struct Sound {
    Platform::AudioBuffer* buffer = nullptr;
    uint32_t creationFlags = 0;
    int resourceId = 0;
};

// True between an InitSound that found a device and ShutdownSound.
extern const bool& soundAvailable;

// Opens the audio device. Always true; whether sound works is told by soundAvailable. The
// device needs no window.
bool InitSound();

// The table's sound for the id, decoded from its "OGG" resource on the first request (the
// flags of later requests are ignored). Never null.
Sound* LoadSound(int resourceId, uint32_t creationFlags);
// Releases the id's buffer and deletes its record; an id not in the table is ignored.
void FreeSound(int resourceId);
// Releases every sound and the device. Records handed out earlier are gone.
void ShutdownSound();

}  // namespace Drobix

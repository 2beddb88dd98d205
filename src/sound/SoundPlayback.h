// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "sound/Sound.h"

namespace Drobix {

// Play flag: repeat the buffer from its start without end. 0 plays it once.
constexpr uint32_t kDsbPlayLooping = 0x1;

// Starts the sound when there is a device, the sound option is on and the sound has a buffer.
// A sound that is still playing carries on; one that played to its end starts from the top.
void StartSound(Sound* sound, uint32_t playFlags);
// Stops the sound where it is, whatever the sound option says.
void StopSound(Sound* sound);
// Volume in hundredths of a decibel (0 full, -1500 is 15 dB down). Only a sound created with
// kDsbCapsCtrlVolume takes it; it stays with the sound.
void SetSoundVolume(Sound* sound, int32_t volume);

}  // namespace Drobix

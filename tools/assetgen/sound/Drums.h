// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

#include "AudioBuffer.h"
#include "Noise.h"

namespace Drobix::AssetGen {

// Simple synthesised drums. Noise-based ones draw from the caller's generator, so a pattern
// played from one seed always sounds the same.
void PlayKick(AudioBuffer& buffer, std::size_t startFrame, double gain);
void PlaySnare(AudioBuffer& buffer, std::size_t startFrame, double gain, Noise& noise);
void PlayHat(AudioBuffer& buffer, std::size_t startFrame, double gain, double pan, Noise& noise);
void PlayCrash(AudioBuffer& buffer, std::size_t startFrame, double gain, Noise& noise);

}  // namespace Drobix::AssetGen

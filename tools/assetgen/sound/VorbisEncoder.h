// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "AudioBuffer.h"

namespace Drobix::AssetGen {

// Encodes the buffer as an Ogg Vorbis stream at the buffer's sample rate, in stereo or (with one
// channel) as the mix of both sides, variable bit rate at the given quality (-0.1..1). The stream
// serial number is the caller's, so the same sound always gives the same bytes. Throws
// std::runtime_error if the encoder refuses the format.
std::vector<uint8_t> EncodeOggVorbis(const AudioBuffer& buffer, int channels, float quality,
                                     int streamSerial);

}  // namespace Drobix::AssetGen

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace Drobix::Testing {

// One built-in sound decoded as the game decodes it: 16-bit PCM, interleaved.
struct DecodedSound {
    bool opened = false;
    bool damaged = false;
    int channels = 0;
    long rate = 0;
    std::vector<int16_t> samples;

    std::size_t Frames() const { return channels > 0 ? samples.size() / channels : 0; }
    std::size_t Bytes() const { return samples.size() * sizeof(int16_t); }
    int16_t At(std::size_t frame, int channel) const {
        return samples[frame * static_cast<std::size_t>(channels) +
                       static_cast<std::size_t>(channel)];
    }
};

// Decodes the whole stream from start to end without seeking, as the game does.
DecodedSound DecodeOgg(std::span<const uint8_t> bytes);

// The embedded sound of the id, decoded once per test program and kept.
const DecodedSound& DecodedResource(int id);

}  // namespace Drobix::Testing

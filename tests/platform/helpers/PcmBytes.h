// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace Drobix::Testing {

// Samples as the signed 16-bit little-endian PCM bytes that sound buffers and mixer voices take.
inline std::vector<uint8_t> PcmBytes(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> pcm;
    pcm.reserve(samples.size() * 2);
    for (const int16_t sample : samples) {
        const auto bits = static_cast<uint16_t>(sample);
        pcm.push_back(static_cast<uint8_t>(bits & 0xFFU));
        pcm.push_back(static_cast<uint8_t>(bits >> 8));
    }
    return pcm;
}

}  // namespace Drobix::Testing

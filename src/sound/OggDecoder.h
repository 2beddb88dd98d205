// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace Drobix {

// One Ogg Vorbis stream decoded completely: signed 16-bit little-endian interleaved PCM.
struct DecodedSound {
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    std::vector<uint8_t> pcm;
};

// ov_read is asked for at most this many bytes at a time.
constexpr size_t kDecodeReadBytes = 16384;
// The built-in streams decode to at most about this many times their size.
constexpr size_t kPcmReservePerInputByte = 12;
// A stream whose reads keep failing is given up after this many failures in a row.
constexpr int kMaxConsecutiveDecodeErrors = 32;
// Decoding stops here: over ten times the longest built-in sound, and far below what would
// strain memory.
constexpr size_t kMaxDecodedBytes = 32 * 1024 * 1024;

// Nothing when the bytes do not open as an Ogg Vorbis stream. Holes and damaged packets are
// skipped; the PCM is cut to whole frames.
std::optional<DecodedSound> DecodeOgg(std::span<const uint8_t> bytes);

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/OggDecoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace Drobix {

namespace {

constexpr int kLittleEndian = 0;
constexpr int kWordBytes = 2;
constexpr int kSigned = 1;
constexpr int kCurrentSection = -1;

// The stream is read straight from memory, start to end; with no seek callback vorbisfile
// treats it as unseekable.
struct MemoryCursor {
    std::span<const uint8_t> bytes;
    size_t position = 0;
};

size_t ReadFromMemory(void* destination, size_t elementSize, size_t elementCount, void* source) {
    auto* cursor = static_cast<MemoryCursor*>(source);
    if (elementSize == 0) {
        return 0;
    }
    const size_t remainingElements = (cursor->bytes.size() - cursor->position) / elementSize;
    const size_t count = std::min(remainingElements, elementCount);
    if (count == 0) {
        // Also covers an empty span, whose data may be null.
        return 0;
    }
    std::memcpy(destination, cursor->bytes.data() + cursor->position, count * elementSize);
    cursor->position += count * elementSize;
    return count;
}

constexpr ov_callbacks kMemoryCallbacks{ReadFromMemory, nullptr, nullptr, nullptr};

void ReadAllPcm(OggVorbis_File& file, std::vector<uint8_t>& pcm) {
    std::array<char, kDecodeReadBytes> readBuffer;
    int section = 0;
    int errorsInARow = 0;
    while (pcm.size() < kMaxDecodedBytes && errorsInARow < kMaxConsecutiveDecodeErrors) {
        const int wanted =
            static_cast<int>(std::min(kDecodeReadBytes, kMaxDecodedBytes - pcm.size()));
        const long result =
            ov_read(&file, readBuffer.data(), wanted, kLittleEndian, kWordBytes, kSigned, &section);
        if (result == 0) {
            return;
        }
        if (result < 0) {
            ++errorsInARow;
            continue;
        }
        errorsInARow = 0;
        pcm.insert(pcm.end(), readBuffer.begin(), readBuffer.begin() + result);
    }
}

}  // namespace

std::optional<DecodedSound> DecodeOgg(std::span<const uint8_t> bytes) {
    MemoryCursor cursor{bytes};
    OggVorbis_File file;
    if (ov_open_callbacks(&cursor, &file, nullptr, 0, kMemoryCallbacks) != 0) {
        return std::nullopt;
    }
    DecodedSound sound;
    sound.pcm.reserve(std::min(bytes.size() * kPcmReservePerInputByte, kMaxDecodedBytes));
    ReadAllPcm(file, sound.pcm);
    if (const vorbis_info* info = ov_info(&file, kCurrentSection)) {
        sound.channels = static_cast<uint16_t>(info->channels);
        sound.samplesPerSecond = static_cast<uint32_t>(info->rate);
    }
    ov_clear(&file);
    // A chained stream may change its channel count; keep only whole frames of the last one.
    const size_t frameBytes = sound.channels * size_t{kWordBytes};
    sound.pcm.resize(frameBytes == 0 ? 0 : sound.pcm.size() - sound.pcm.size() % frameBytes);
    return sound;
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/DecodedSounds.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "platform/Resources.h"

namespace Drobix::Testing {

namespace {

constexpr int kReadBytes = 16384;
constexpr int kLittleEndian = 0;
constexpr int kWordBytes = 2;
constexpr int kSigned = 1;

struct MemoryCursor {
    std::span<const uint8_t> bytes;
    std::size_t position = 0;
};

std::size_t ReadFromMemory(void* destination, std::size_t, std::size_t count, void* source) {
    auto* cursor = static_cast<MemoryCursor*>(source);
    const std::size_t n = std::min(count, cursor->bytes.size() - cursor->position);
    std::memcpy(destination, cursor->bytes.data() + cursor->position, n);
    cursor->position += n;
    return n;
}

}  // namespace

DecodedSound DecodeOgg(std::span<const uint8_t> bytes) {
    DecodedSound sound;
    MemoryCursor cursor{bytes};
    OggVorbis_File file;
    const ov_callbacks callbacks{ReadFromMemory, nullptr, nullptr, nullptr};
    if (ov_open_callbacks(&cursor, &file, nullptr, 0, callbacks) != 0) {
        return sound;
    }
    sound.opened = true;
    std::vector<char> chunk(kReadBytes);
    int section = 0;
    for (;;) {
        const long n =
            ov_read(&file, chunk.data(), kReadBytes, kLittleEndian, kWordBytes, kSigned, &section);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            sound.damaged = true;
            break;
        }
        const std::size_t old = sound.samples.size();
        sound.samples.resize(old + static_cast<std::size_t>(n) / sizeof(int16_t));
        std::memcpy(sound.samples.data() + old, chunk.data(), static_cast<std::size_t>(n));
    }
    const vorbis_info* info = ov_info(&file, -1);
    sound.channels = info->channels;
    sound.rate = info->rate;
    ov_clear(&file);
    return sound;
}

const DecodedSound& DecodedResource(int id) {
    static std::map<int, DecodedSound> decoded;
    auto found = decoded.find(id);
    if (found == decoded.end()) {
        found = decoded.emplace(id, DecodeOgg(Platform::FindResource(id, "OGG"))).first;
    }
    return found->second;
}

}  // namespace Drobix::Testing

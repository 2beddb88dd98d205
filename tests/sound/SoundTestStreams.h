// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "resources/ResourceIds.h"
#include "sound/OggTestStream.h"

namespace Drobix::Testing {

// Ogg streams made once per test program, served to LoadSound by id in place of the built-in
// resources.
struct TestStream {
    int channels;
    long rate;
    size_t frames;
};

constexpr int kMonoId = ResourceId::kGameOverSound;
constexpr int kStereoId = ResourceId::kFourRowsSound;
constexpr int kLandingId = ResourceId::kLandingSound;
constexpr int kEffectId = ResourceId::kNewGameSound;
constexpr int kMusicId = ResourceId::kMenuMusicBouncy;
constexpr int kThreeChannelId = ResourceId::kThreeRowsSound;
constexpr int kDamagedId = ResourceId::kTwoRowsSound;
constexpr int kMissingId = 999;

inline const std::map<int, TestStream>& TestStreamShapes() {
    static const std::map<int, TestStream> shapes{
        {kMonoId, {1, 22050, 5000}},    {kStereoId, {2, 24000, 7000}},
        {kLandingId, {1, 22050, 2205}}, {kEffectId, {1, 44100, 4410}},
        {kMusicId, {2, 44100, 44100}},  {kThreeChannelId, {3, 22050, 2000}},
    };
    return shapes;
}

inline const std::map<int, std::vector<uint8_t>>& TestStreams() {
    static const std::map<int, std::vector<uint8_t>> streams = [] {
        std::map<int, std::vector<uint8_t>> made;
        for (const auto& [id, shape] : TestStreamShapes()) {
            made[id] = EncodeOggVorbis(shape.channels, shape.rate,
                                       MakeTone(shape.channels, shape.rate, 440.0, shape.frames));
        }
        // The first bytes of a stream, then rubbish.
        std::vector<uint8_t> damaged(made[kMonoId].begin(), made[kMonoId].begin() + 40);
        damaged.resize(4000, 0x5A);
        made[kDamagedId] = damaged;
        return made;
    }();
    return streams;
}

inline std::span<const uint8_t> FindTestStream(int id) {
    const auto& streams = TestStreams();
    const auto found = streams.find(id);
    return found == streams.end() ? std::span<const uint8_t>() : found->second;
}

}  // namespace Drobix::Testing

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the Ogg Vorbis decoding path; before that, the cut-off forms of the
// built-in sounds.
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/Resources.h"
#include "resources/ResourceIds.h"
#include "sound/OggDecoder.h"

namespace {

namespace ResourceId = Drobix::ResourceId;

constexpr std::array kOtherSoundIds{
    ResourceId::kGameOverSound, ResourceId::kFourRowsSound,  ResourceId::kLevelUpSound,
    ResourceId::kOneRowSound,   ResourceId::kNewGameSound,   ResourceId::kThreeRowsSound,
    ResourceId::kTwoRowsSound,  ResourceId::kMenuMusicMarch, ResourceId::kMenuMusicBouncy};
// The long sounds are cut at this stride, so the start-up pass stays within minutes.
constexpr size_t kTruncationStride = 509;

void DecodeTruncations(int id, size_t stride) {
    const auto bytes = Drobix::Platform::FindResource(id, "OGG");
    for (size_t length = 0; length < bytes.size(); length += stride) {
        Drobix::DecodeOgg(bytes.first(length));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    DecodeTruncations(ResourceId::kLandingSound, 1);
    for (int id : kOtherSoundIds) {
        DecodeTruncations(id, kTruncationStride);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Drobix::DecodeOgg({data, size});
    return 0;
}

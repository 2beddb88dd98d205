// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to both picture decoders: whatever they return is either empty or a
// picture whose pixels fill exactly its size, within the largest side accepted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "graphics/PictureDecoder.h"

namespace {

constexpr size_t kRgbaBytes = 4;

void Check(const Drobix::DecodedPicture& picture) {
    if (picture.IsEmpty()) {
        return;
    }
    if (picture.width < 0 || picture.height < 0 || picture.width > Drobix::kMaxPictureSide ||
        picture.height > Drobix::kMaxPictureSide ||
        picture.rgba.size() !=
            static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) * kRgbaBytes) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span bytes(data, size);
    Check(Drobix::DecodePng(bytes));
    Check(Drobix::DecodeJpeg(bytes));
    return 0;
}

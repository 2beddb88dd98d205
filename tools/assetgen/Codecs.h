// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "Image.h"

namespace Drobix::AssetGen::Art {

// Encoders with every setting fixed, so the same pixels always give the same bytes: no time
// chunk, fixed compression level and filters, the integer DCT, optimised Huffman tables.
// PNGs carry the sRGB, gAMA and cHRM chunks that the program ignores.
std::vector<uint8_t> EncodePng(const IndexedImage& image);
std::vector<uint8_t> EncodePng(const RgbImage& image);
std::vector<uint8_t> EncodePng(const RgbaImage& image);
// Baseline JPEG, three components, no chroma subsampling.
std::vector<uint8_t> EncodeJpeg(const RgbImage& image, int quality);

// Decoders for the previews: any PNG or JPEG as RGB (alpha dropped).
std::optional<RgbImage> DecodePng(const std::vector<uint8_t>& bytes);
std::optional<RgbImage> DecodeJpeg(const std::vector<uint8_t>& bytes);

}  // namespace Drobix::AssetGen::Art

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/helpers/SharpScaler.h"

namespace Drobix::Testing {

// A whole picture of sourceWidth x sourceHeight scaled to targetWidth x targetHeight through
// SharpScaler, row by row as a window route scales every row: what the tests compare with.
inline std::vector<uint32_t> SharpScaled(const std::vector<uint32_t>& source, int sourceWidth,
                                         int sourceHeight, int targetWidth, int targetHeight) {
    Platform::SharpScaler scaler;
    scaler.Prepare(sourceWidth, sourceHeight, targetWidth, targetHeight);
    std::vector<uint32_t> target(static_cast<size_t>(targetWidth) * targetHeight);
    std::vector<uint32_t> upper(static_cast<size_t>(targetWidth));
    std::vector<uint32_t> lower(upper.size());
    for (int y = 0; y < targetHeight; ++y) {
        const Platform::SharpScaler::Taps& taps = scaler.RowTaps(y);
        scaler.ScaleRow(&source[static_cast<size_t>(taps.first) * sourceWidth], upper.data(), 0,
                        targetWidth);
        scaler.ScaleRow(&source[static_cast<size_t>(taps.second) * sourceWidth], lower.data(), 0,
                        targetWidth);
        Platform::SharpScaler::BlendRows(upper.data(), lower.data(), taps.weight,
                                         &target[static_cast<size_t>(y) * targetWidth],
                                         targetWidth);
    }
    return target;
}

}  // namespace Drobix::Testing

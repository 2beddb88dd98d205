// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Echo.h"

#include <cstddef>
#include <vector>

namespace Drobix::AssetGen {

namespace {

// Enough passes round a loop for the echoes that cross the loop point to settle.
constexpr int kLoopingPasses = 3;

// The echo signal of one channel: wet[n] = dry[n - d] + feedback * wet[n - d].
std::vector<float> EchoOf(const AudioBuffer& buffer, bool left, std::size_t delay,
                          double feedback) {
    const std::size_t frames = buffer.Frames();
    std::vector<float> wet(frames, 0.0f);
    if (delay == 0 || delay >= frames) {
        return wet;
    }
    const int passes = buffer.Loops() ? kLoopingPasses : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (std::size_t n = 0; n < frames; ++n) {
            if (!buffer.Loops() && n < delay) {
                continue;
            }
            const std::size_t from = (n + frames - delay) % frames;
            const float dry = left ? buffer.Left(from) : buffer.Right(from);
            wet[n] = static_cast<float>(dry + feedback * wet[from]);
        }
    }
    return wet;
}

}  // namespace

void ApplyEcho(AudioBuffer& buffer, const Echo& echo) {
    const std::vector<float> left =
        EchoOf(buffer, true, buffer.FramesIn(echo.leftSeconds), echo.feedback);
    const std::vector<float> right =
        EchoOf(buffer, false, buffer.FramesIn(echo.rightSeconds), echo.feedback);
    for (std::size_t n = 0; n < buffer.Frames(); ++n) {
        buffer.Add(n, left[n] * echo.mix, right[n] * echo.mix);
    }
}

}  // namespace Drobix::AssetGen

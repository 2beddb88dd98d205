// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The key presses' share of a frame: every key and pad button looked at once, as each frame does
// whatever the handling, with a few keys held and repeating. Compare its time with BM_FrameCopy
// from the same run.
#include <benchmark/benchmark.h>

#include <array>

#include "input/KeyPresses.h"
#include "platform/scripted/KeyboardScripted.h"

namespace {

using namespace Drobix;

void BM_TrackKeyPresses(benchmark::State& state) {
    constexpr std::array<int, 3> kHeld{VirtualKey::kLeft, VirtualKey::kUp, VirtualKey::kSpace};
    Platform::Scripted::SetKeysDown(kHeld);
    ResetKeyPresses();
    for (auto _ : state) {
        TrackKeyPresses(16, {170, 50});
        benchmark::DoNotOptimize(KeyActs(VirtualKey::kLeft));
    }
    Platform::Scripted::ReleaseAllKeys();
    ResetKeyPresses();
}
BENCHMARK(BM_TrackKeyPresses);

}  // namespace

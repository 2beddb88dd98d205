// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameCopy.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void BM_FrameCopy(benchmark::State& state) {
    std::vector<uint8_t> source(Drobix::Bench::kFrameBytes, 0x5A);
    std::vector<uint8_t> target(Drobix::Bench::kFrameBytes);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameCopy);

}  // namespace

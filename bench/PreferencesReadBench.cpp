// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the settings file grows with its length alone, whatever it holds: the default file of
// about 300 bytes, and files of 64 KiB (the most the game reads) of many short lines, of one
// entry given again and again, and of damaged lines. Compare the counter ns_per_byte of each
// with BM_ReadSettingsDefault's from the same run.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "storage/PreferencesFile.h"

namespace {

using namespace Drobix;

constexpr size_t kMaxFileBytes = 64 * 1024;

// Lines made by line (index) until the next would pass 64 KiB.
template <typename MakeLine>
std::string FileOfLines(std::string text, MakeLine makeLine) {
    for (int index = 0;; ++index) {
        const std::string line = makeLine(index);
        if (text.size() + line.size() > kMaxFileBytes) {
            return text;
        }
        text += line;
    }
}

void ReadSettings(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        std::ostringstream faults;
        benchmark::DoNotOptimize(ParsePreferences(text, "settings.toml", faults));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["bytes"] = static_cast<double>(text.size());
    state.counters["ns_per_byte"] = benchmark::Counter(
        static_cast<double>(text.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ReadSettingsDefault(benchmark::State& state) {
    ReadSettings(state, WritePreferences(Preferences{}));
}
BENCHMARK(BM_ReadSettingsDefault);

void BM_ReadSettingsShortLines(benchmark::State& state) {
    ReadSettings(state, FileOfLines("[play]\n", [](int index) {
                     std::string line = "k";
                     line.append(std::to_string(index)).append(" = 1\n");
                     return line;
                 }));
}
BENCHMARK(BM_ReadSettingsShortLines);

void BM_ReadSettingsDuplicates(benchmark::State& state) {
    ReadSettings(state, FileOfLines("[sound]\n", [](int) { return std::string("music = 3\n"); }));
}
BENCHMARK(BM_ReadSettingsDuplicates);

void BM_ReadSettingsDamagedLines(benchmark::State& state) {
    ReadSettings(state, FileOfLines("[sound]\n", [](int) { return std::string("m=\n"); }));
}
BENCHMARK(BM_ReadSettingsDamagedLines);

}  // namespace

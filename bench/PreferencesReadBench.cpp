// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the settings file grows with its length alone, whatever it holds: the default file of
// about 300 bytes against files of 64 KiB (the most the game reads) of every kind a person or a
// damaged disk could leave: many short lines, one entry or table given again and again, many
// tables, comments or blank lines alone, one huge line, and damaged lines of each kind, short and
// long. "At most twice the default file's cost" is read per byte, since a 64 KiB file is over two
// hundred times longer: compare each benchmark's counter ns_per_byte with
// BM_ReadSettingsDefault's from the same run.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "storage/PreferencesFile.h"

namespace {

using namespace Drobix;

constexpr size_t kMaxFileBytes = 64 * 1024;
// A long damaged line's length: lines of a few hundred bytes cost their length, not their count.
constexpr size_t kLongLineBytes = 200;

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

// The same line again and again after the start, up to 64 KiB.
std::string FileOfLine(std::string start, const std::string& line) {
    return FileOfLines(std::move(start), [&line](int) { return line; });
}

// One line that fills the file: the start, then the filler, then the end.
std::string HugeLine(std::string start, char filler, std::string_view end) {
    start.append(kMaxFileBytes - start.size() - end.size(), filler);
    return start.append(end);
}

void CountPerByte(benchmark::State& state, const std::string& text) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["bytes"] = static_cast<double>(text.size());
    state.counters["ns_per_byte"] = benchmark::Counter(
        static_cast<double>(text.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The counter fault_bytes_per_byte is the length of what the reading says (one line per fault,
// which the game prints whole) per byte of the file: a file of two-byte damaged lines says about
// 70 times its length, and storing that much text in the stream costs more than reading the
// file, which the SayingNothing benchmarks measure alone.
void ReadSettings(benchmark::State& state, const std::string& text) {
    size_t faultBytes = 0;
    for (auto _ : state) {
        std::ostringstream faults;
        benchmark::DoNotOptimize(ParsePreferences(text, "settings.toml", faults));
        faultBytes = faults.view().size();
    }
    state.counters["fault_bytes_per_byte"] =
        static_cast<double>(faultBytes) / static_cast<double>(text.size());
    CountPerByte(state, text);
}

// Takes what it is given and keeps nothing.
class DiscardingBuffer : public std::streambuf {
protected:
    std::streamsize xsputn(const char* /*text*/, std::streamsize count) override { return count; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

// As ReadSettings, the messages written to a stream that keeps nothing: the reading's own cost,
// without storing what it says.
void ReadSettingsSayingNothing(benchmark::State& state, const std::string& text) {
    DiscardingBuffer discarding;
    std::ostream faults(&discarding);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParsePreferences(text, "settings.toml", faults));
    }
    CountPerByte(state, text);
}

void BM_ReadSettingsDefault(benchmark::State& state) {
    ReadSettings(state, WritePreferences(Preferences{}));
}
BENCHMARK(BM_ReadSettingsDefault);

// Files that read whole.

void BM_ReadSettingsShortLines(benchmark::State& state) {
    ReadSettings(state, FileOfLines("[play]\n", [](int index) {
                     std::string line = "k";
                     line.append(std::to_string(index)).append(" = 1\n");
                     return line;
                 }));
}
BENCHMARK(BM_ReadSettingsShortLines);

// The same with a damaged line at its end, which has every line read alone.
void BM_ReadSettingsShortLinesOneDamaged(benchmark::State& state) {
    std::string text = FileOfLines("[play]\n", [](int index) {
        std::string line = "k";
        line.append(std::to_string(index)).append(" = 1\n");
        return line;
    });
    text.resize(text.rfind('\n', text.size() - 2) + 1);
    ReadSettings(state, text + "m=\n");
}
BENCHMARK(BM_ReadSettingsShortLinesOneDamaged);

void BM_ReadSettingsManyTables(benchmark::State& state) {
    ReadSettings(state, FileOfLines("", [](int index) {
                     std::string line = "[t";
                     line.append(std::to_string(index)).append("]\nk = 1\n");
                     return line;
                 }));
}
BENCHMARK(BM_ReadSettingsManyTables);

void BM_ReadSettingsCommentsOnly(benchmark::State& state) {
    ReadSettings(state, FileOfLine("", "# a comment\n"));
}
BENCHMARK(BM_ReadSettingsCommentsOnly);

void BM_ReadSettingsBlankLinesOnly(benchmark::State& state) {
    ReadSettings(state, FileOfLine("", "\n"));
}
BENCHMARK(BM_ReadSettingsBlankLinesOnly);

void BM_ReadSettingsHugeString(benchmark::State& state) {
    ReadSettings(state, HugeLine("window = \"", 'w', "\"\n"));
}
BENCHMARK(BM_ReadSettingsHugeString);

void BM_ReadSettingsHugeComment(benchmark::State& state) {
    ReadSettings(state, HugeLine("# ", 'c', "\n"));
}
BENCHMARK(BM_ReadSettingsHugeComment);

// Files whose lines clash with each other.

void BM_ReadSettingsDuplicates(benchmark::State& state) {
    ReadSettings(state, FileOfLine("[sound]\n", "music = 3\n"));
}
BENCHMARK(BM_ReadSettingsDuplicates);

void BM_ReadSettingsDuplicateTables(benchmark::State& state) {
    ReadSettings(state, FileOfLine("", "[sound]\n"));
}
BENCHMARK(BM_ReadSettingsDuplicateTables);

// Damaged files, short lines and long.

void BM_ReadSettingsDamagedLines(benchmark::State& state) {
    ReadSettings(state, FileOfLine("[sound]\n", "m=\n"));
}
BENCHMARK(BM_ReadSettingsDamagedLines);

void BM_ReadSettingsDamagedBareWords(benchmark::State& state) {
    ReadSettings(state, FileOfLine("[sound]\n", "music\n"));
}
BENCHMARK(BM_ReadSettingsDamagedBareWords);

void BM_ReadSettingsDamagedEquals(benchmark::State& state) {
    ReadSettings(state, FileOfLine("[sound]\n", "=\n"));
}
BENCHMARK(BM_ReadSettingsDamagedEquals);

void BM_ReadSettingsDamagedEqualsSayingNothing(benchmark::State& state) {
    ReadSettingsSayingNothing(state, FileOfLine("[sound]\n", "=\n"));
}
BENCHMARK(BM_ReadSettingsDamagedEqualsSayingNothing);

void BM_ReadSettingsDamagedBrackets(benchmark::State& state) {
    ReadSettings(state, FileOfLine("", "[\n"));
}
BENCHMARK(BM_ReadSettingsDamagedBrackets);

void BM_ReadSettingsDamagedBracketsSayingNothing(benchmark::State& state) {
    ReadSettingsSayingNothing(state, FileOfLine("", "[\n"));
}
BENCHMARK(BM_ReadSettingsDamagedBracketsSayingNothing);

void BM_ReadSettingsDamagedStrings(benchmark::State& state) {
    ReadSettings(state, FileOfLine("", "window = \"w\n"));
}
BENCHMARK(BM_ReadSettingsDamagedStrings);

void BM_ReadSettingsDamagedLongStrings(benchmark::State& state) {
    ReadSettings(state, FileOfLine("", "window = \"" + std::string(kLongLineBytes, 'w') + "\n"));
}
BENCHMARK(BM_ReadSettingsDamagedLongStrings);

void BM_ReadSettingsDamagedLongWords(benchmark::State& state) {
    ReadSettings(state, FileOfLine("[sound]\n", std::string(kLongLineBytes, 'm') + "\n"));
}
BENCHMARK(BM_ReadSettingsDamagedLongWords);

// A list opened and never closed, its elements one to a line.
void BM_ReadSettingsDamagedOpenList(benchmark::State& state) {
    ReadSettings(state, FileOfLine("[keys]\ndrop = [\n", "  \"Z\",\n"));
}
BENCHMARK(BM_ReadSettingsDamagedOpenList);

void BM_ReadSettingsDamagedUtf8(benchmark::State& state) {
    ReadSettings(state, FileOfLine("[sound]\n", "m = \"\xff\"\n"));
}
BENCHMARK(BM_ReadSettingsDamagedUtf8);

void BM_ReadSettingsDamagedNulBytes(benchmark::State& state) {
    ReadSettings(state, FileOfLine("[sound]\n", std::string("m\0\n", 3)));
}
BENCHMARK(BM_ReadSettingsDamagedNulBytes);

void BM_ReadSettingsHugeDamagedLine(benchmark::State& state) {
    ReadSettings(state, HugeLine("window = \"", 'w', "\n"));
}
BENCHMARK(BM_ReadSettingsHugeDamagedLine);

}  // namespace

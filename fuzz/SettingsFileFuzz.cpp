// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the data-file reader and checks that whatever it accepts is in range
// and survives a write and a second read unchanged; then merges the high scores those bytes hold
// into a table, as a save does when another copy wrote the file, and checks the result's ranking.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "storage/SettingsFile.h"

namespace {

using Table = std::array<Drobix::HighScoreEntry, Drobix::kHighScoreCount>;

bool Ranked(const Table& table) {
    return std::is_sorted(table.begin(), table.end(),
                          [](const auto& a, const auto& b) { return a.score > b.score; });
}

bool Holds(std::span<const Drobix::HighScoreEntry> entries, const Drobix::HighScoreEntry& entry) {
    return std::any_of(entries.begin(), entries.end(), [&entry](const auto& other) {
        return other.score == entry.score && other.name == entry.name;
    });
}

void CheckMerge(std::span<const Drobix::HighScoreEntry> stored, const Table& ours) {
    Table merged = ours;
    Drobix::MergeHighScores(stored, merged);
    for (const auto& entry : merged) {
        if (!Holds(stored, entry) && !Holds(ours, entry)) {
            std::abort();
        }
    }
    // A ranked table of ours stays ranked, whatever order the file kept.
    if (!Ranked(merged) && Ranked(ours)) {
        std::abort();
    }
    // Finding our own save in the file changes nothing.
    Table again = merged;
    Drobix::MergeHighScores(merged, again);
    if (Ranked(merged) &&
        !std::equal(again.begin(), again.end(), merged.begin(), [](const auto& a, const auto& b) {
            return a.score == b.score && a.name == b.name;
        })) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Drobix::Settings settings;
    Drobix::ReadSettingsRecord(std::span(data, size), settings);
    const auto blockTypes = static_cast<int32_t>(settings.blockTypes);
    if (settings.rubbishRows > 10 || settings.startingLevel > 9 || blockTypes < 0 ||
        blockTypes > 2 || !(settings.rubbishFrequency >= 0.0F) ||
        !(settings.rubbishFrequency <= 1.0F)) {
        std::abort();
    }
    const auto written = Drobix::WriteSettingsRecord(settings);
    Drobix::Settings reread;
    Drobix::ReadSettingsRecord(written, reread);
    if (Drobix::WriteSettingsRecord(reread) != written) {
        std::abort();
    }
    const auto stored = Drobix::ReadStoredHighScores(std::span(data, size));
    if (stored.size() > Drobix::kHighScoreCount) {
        std::abort();
    }
    CheckMerge(stored, Drobix::Settings{}.highScores);
    CheckMerge(stored, settings.highScores);
    return 0;
}

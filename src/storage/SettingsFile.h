// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "storage/Settings.h"

namespace Drobix {

constexpr uint32_t kDataFileVersion = 1;
// A real data file is about a hundred bytes; anything past this is treated as absent, so a
// damaged or hostile file can never make the reader allocate without bound.
constexpr size_t kMaxDataFileBytes = 1 << 20;

// Overlays the record with a data file's bytes. A wrong version leaves the record untouched; a
// file that ends early keeps the fields read so far. Values outside their ranges are replaced
// with their defaults, so no later code indexes, loops or divides with them.
void ReadSettingsRecord(std::span<const uint8_t> bytes, Settings& settings);

// The record in the data file's layout, version first.
std::vector<uint8_t> WriteSettingsRecord(const Settings& settings);

// The high-score entries a data file holds whole, in file order; none when its version is wrong.
std::vector<HighScoreEntry> ReadStoredHighScores(std::span<const uint8_t> bytes);

// Folds the table another copy of the game stored into ours, so that two copies running at once
// lose no score: every entry of both, an entry present in both counted once, ranked by score.
// Among equal scores ours stand above the stored ones, as if inserted into the stored table
// just now; each table keeps its own order. The best kHighScoreCount are kept.
void MergeHighScores(std::span<const HighScoreEntry> stored,
                     std::array<HighScoreEntry, kHighScoreCount>& table);

// The whole save: follows links, merges the high scores stored there now into the record's
// table, then replaces the file with the record. False when nothing was written.
bool SaveDataFile(const std::string& path, Settings& settings);

}  // namespace Drobix

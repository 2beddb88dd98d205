// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
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

// The file's first maxBytes bytes, or nothing when it cannot be opened. Only a regular file is
// ever opened, and without blocking, so a FIFO or a device at the path cannot hang the game.
std::optional<std::vector<uint8_t>> ReadFileBounded(const std::string& path, size_t maxBytes);

// The path with every symbolic link followed to the file it names, which need not exist yet.
// Nothing when the links loop or cannot be read.
std::optional<std::string> ResolveSymbolicLinks(const std::string& path);

// Writes a temporary file beside path and renames it over path, so a failure at any point
// leaves the old file as it was. The new file keeps the old one's mode (0600 when there was
// none). A file we may not write, or anything but a regular file, is left alone. False when
// nothing was replaced.
bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes);

// The whole save: follows links, merges the high scores stored there now into the record's
// table, then replaces the file with the record. False when nothing was written.
bool SaveDataFile(const std::string& path, Settings& settings);

}  // namespace Drobix

#pragma once

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

// The file's first maxBytes bytes, or nothing when it cannot be opened.
std::optional<std::vector<uint8_t>> ReadFileBounded(const std::string& path, size_t maxBytes);

// Writes a temporary file beside path and renames it over path, so a failure at any point
// leaves the old file as it was. False when anything failed.
bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace Drobix

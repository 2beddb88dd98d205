// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/BlockOptions.h"

namespace Drobix {

constexpr int kHighScoreCount = 5;

// Whether the game shows the next block: always, never, or three blocks in four, decided for
// each block. The values are those of the data file.
enum class BlockPreview : int32_t {
    On = 0,
    Off = 1,
    Random = 2,
};

struct HighScoreEntry {
    std::string name;
    uint32_t score = 0;
};

// Every option and the high-score table; the field order is the order in the data file.
struct Settings {
    uint8_t sound = 1;
    uint32_t rubbishRows = 0;
    float rubbishFrequency = 0.5F;
    BlockSet blockTypes = BlockSet::Standard;
    BlockPreview blockPreview = BlockPreview::On;
    BlockColourMode blockColour = BlockColourMode::Fixed;
    uint32_t startingLevel = 0;
    // Best first; among equal scores the most recently inserted stands highest.
    std::array<HighScoreEntry, kHighScoreCount> highScores{{
        {"Zephine", 35000},
        {"Odalynn", 30000},
        {"Mr Wobblecrust", 25000},
        {"Pia Thornwell", 12500},
        {"Noob", 100},
    }};
};

// Creates the record with its defaults and overlays the data file. Always true.
bool LoadSettings();
// Writes the record to the data file if it was loaded, then destroys it.
void SaveSettings();
// Removes what saves of the data file that were killed part-way left in its folder, unless
// another copy of the game is saving it now.
void RemoveDataFileLeftovers();
// The one record, valid between LoadSettings and SaveSettings.
Settings* GetSettings();

bool IsSoundOn();
void SetSoundOn(bool on);
unsigned GetRubbishRows();
void SetRubbishRows(unsigned rows);
float GetRubbishFrequency();
void SetRubbishFrequency(float frequency);
BlockSet GetBlockTypes();
void SetBlockTypes(BlockSet types);
BlockPreview GetBlockPreview();
void SetBlockPreview(BlockPreview preview);
BlockColourMode GetBlockColour();
void SetBlockColour(BlockColourMode colour);
// The block set and colouring together, as the block factory takes them.
BlockOptions GetBlockOptions();
unsigned GetStartingLevel();
void SetStartingLevel(unsigned level);

// Entry 0 (best) .. kHighScoreCount - 1 (lowest); the caller keeps the index in range.
HighScoreEntry& GetHighScore(int index);
// Inserts at the entry's rank, above any equal score; the lowest entry drops out. The caller
// checks first that the score is at least the lowest in the table.
void InsertHighScore(const HighScoreEntry& entry);

// Builds the data file's full path, creating its folders on the way.
bool GetDataFilePath(std::string& path);
// Creates one folder; true when it was made or already existed.
bool EnsureDirectory(const std::string& path);

}  // namespace Drobix

#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Drobix {

constexpr int kHighScoreCount = 5;

struct HighScoreEntry {
    std::string name;
    uint32_t score = 0;
};

// Every option and the high-score table; the field order is the order in the data file.
struct Settings {
    uint8_t sound = 1;
    uint32_t rubbishRows = 0;
    float rubbishFrequency = 0.5F;
    int32_t blockTypes = 0;
    int32_t blockPreview = 0;
    int32_t blockColour = 0;
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
// The one record, valid between LoadSettings and SaveSettings.
Settings* GetSettings();

bool IsSoundOn();
void SetSoundOn(bool on);
unsigned GetRubbishRows();
void SetRubbishRows(unsigned rows);
float GetRubbishFrequency();
void SetRubbishFrequency(float frequency);
int GetBlockTypes();
void SetBlockTypes(int types);
int GetBlockPreview();
void SetBlockPreview(int preview);
int GetBlockColour();
void SetBlockColour(int colour);
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

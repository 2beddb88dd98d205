// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/Settings.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/SaveLock.h"
#include "storage/LeftoverSaves.h"
#include "storage/SettingsFile.h"

namespace Drobix {

namespace {
// Exists exactly from LoadSettings to SaveSettings.
std::unique_ptr<Settings> settings;

constexpr const char* kCompanyFolder = "Quillbeam";
constexpr const char* kProductFolder = "Drobix";
constexpr const char* kDataFileName = "Drobix.dat";
}  // namespace

bool LoadSettings() {
    settings = std::make_unique<Settings>();
    std::string path;
    if (GetDataFilePath(path)) {
        if (auto bytes = Platform::ReadFileBounded(path, kMaxDataFileBytes)) {
            ReadSettingsRecord(*bytes, *settings);
        }
    }
    return true;
}

void SaveSettings() {
    std::string path;
    if (settings && GetDataFilePath(path)) {
        // Held through the save, so that no copy starting now takes its temporary file for
        // debris, and two copies' saves of the table follow one another. A lock that cannot be
        // had does not stop the save.
        const Platform::SaveLock lock(std::filesystem::path(path).parent_path().string(),
                                      Platform::SaveLock::Wait::UntilFree);
        SaveDataFile(path, *settings);
    }
    settings.reset();
}

void RemoveDataFileLeftovers() {
    std::string path;
    if (GetDataFilePath(path)) {
        RemoveLeftoverSaves(path);
    }
}

Settings* GetSettings() {
    return settings.get();
}

bool IsSoundOn() {
    return settings->sound != 0;
}
void SetSoundOn(bool on) {
    settings->sound = on ? 1 : 0;
}
unsigned GetRubbishRows() {
    return settings->rubbishRows;
}
void SetRubbishRows(unsigned rows) {
    settings->rubbishRows = rows;
}
float GetRubbishFrequency() {
    return settings->rubbishFrequency;
}
void SetRubbishFrequency(float frequency) {
    settings->rubbishFrequency = frequency;
}
BlockSet GetBlockTypes() {
    return settings->blockTypes;
}
void SetBlockTypes(BlockSet types) {
    settings->blockTypes = types;
}
BlockPreview GetBlockPreview() {
    return settings->blockPreview;
}
void SetBlockPreview(BlockPreview preview) {
    settings->blockPreview = preview;
}
BlockColourMode GetBlockColour() {
    return settings->blockColour;
}
void SetBlockColour(BlockColourMode colour) {
    settings->blockColour = colour;
}
BlockOptions GetBlockOptions() {
    return {settings->blockTypes, settings->blockColour};
}
unsigned GetStartingLevel() {
    return settings->startingLevel;
}
void SetStartingLevel(unsigned level) {
    settings->startingLevel = level;
}

HighScoreEntry& GetHighScore(int index) {
    return settings->highScores[index];
}

void InsertHighScore(const HighScoreEntry& entry) {
    auto& table = settings->highScores;
    int rank = 0;
    // The bound only matters if the caller broke the precondition.
    while (rank < kHighScoreCount - 1 && entry.score < table[rank].score) {
        ++rank;
    }
    for (int j = kHighScoreCount - 2; j >= rank; --j) {
        table[j + 1] = table[j];
    }
    table[rank] = entry;
}

bool GetDataFilePath(std::string& path) {
    path.clear();
    const auto base = Platform::GetApplicationDataFolder();
    if (!base) {
        return false;
    }
    // Unlike a system folder, a user's data folder may not exist yet on a fresh account.
    std::error_code ignored;
    std::filesystem::create_directories(*base, ignored);
    path = *base;
    for (const char* folder : {kCompanyFolder, kProductFolder}) {
        if (!EnsureDirectory(path)) {
            return false;
        }
        path += '/';
        path += folder;
    }
    if (!EnsureDirectory(path)) {
        return false;
    }
    path += '/';
    path += kDataFileName;
    return true;
}

bool EnsureDirectory(const std::string& path) {
    // Shared by every user of the machine where the base folder is.
    return !Platform::MakeFolder(path, false);
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/Settings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <vector>

#include "TempDataHome.h"
#include "storage/SettingsFile.h"

namespace Drobix {
namespace {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

class SettingsTest : public testing::Test {
protected:
    void TearDown() override { SaveSettings(); }

    Testing::TempDataHome home_;
};

TEST_F(SettingsTest, WithoutAFileDefaultsStandAndExitWritesThem) {
    EXPECT_TRUE(LoadSettings());
    EXPECT_TRUE(IsSoundOn());
    EXPECT_EQ(GetRubbishRows(), 0U);
    EXPECT_EQ(GetRubbishFrequency(), 0.5F);
    EXPECT_EQ(GetBlockTypes(), BlockSet::Standard);
    EXPECT_EQ(GetBlockPreview(), BlockPreview::On);
    EXPECT_EQ(GetBlockColour(), BlockColourMode::Fixed);
    EXPECT_EQ(GetStartingLevel(), 0U);
    EXPECT_EQ(GetHighScore(0).name, "Zephine");
    EXPECT_EQ(GetHighScore(kHighScoreCount - 1).score, 100U);
    EXPECT_FALSE(std::filesystem::exists(home_.DataFile()));

    SaveSettings();
    EXPECT_EQ(GetSettings(), nullptr);
    const auto bytes = ReadBytes(home_.DataFile());
    EXPECT_EQ(bytes, WriteSettingsRecord(Settings{}));
    EXPECT_EQ(bytes.size(), 114U);
    // Only the data file is left behind, no temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home_.DataFile().parent_path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(SettingsTest, ChangesSurviveAnExitAndAWrongVersionIsRewritten) {
    std::vector<uint8_t> versionTwo = WriteSettingsRecord(Settings{});
    versionTwo[0] = 2;
    versionTwo[5] = 7;  // rubbish rows, ignored with the wrong version
    WriteBytes(home_.DataFile(), versionTwo);

    LoadSettings();
    EXPECT_EQ(GetRubbishRows(), 0U);
    SetSoundOn(false);
    SetStartingLevel(4);
    SetRubbishFrequency(0.6000000238F);
    InsertHighScore({"Ada", 40000});
    SaveSettings();

    LoadSettings();
    EXPECT_FALSE(IsSoundOn());
    EXPECT_EQ(GetStartingLevel(), 4U);
    EXPECT_EQ(GetRubbishFrequency(), 0.6000000238F);
    EXPECT_EQ(GetHighScore(0).name, "Ada");
    EXPECT_EQ(GetHighScore(4).name, "Pia Thornwell");
    EXPECT_EQ(ReadBytes(home_.DataFile())[0], 1);
}

TEST_F(SettingsTest, InsertPlacesEqualScoresAboveOlderEntries) {
    LoadSettings();
    InsertHighScore({"Equal", 25000});
    EXPECT_EQ(GetHighScore(2).name, "Equal");
    EXPECT_EQ(GetHighScore(3).name, "Mr Wobblecrust");
    EXPECT_EQ(GetHighScore(4).name, "Pia Thornwell");

    InsertHighScore({"Lowest", 12500});
    EXPECT_EQ(GetHighScore(4).name, "Lowest");
    EXPECT_EQ(GetHighScore(3).name, "Mr Wobblecrust");

    InsertHighScore({"Best", 99999});
    EXPECT_EQ(GetHighScore(0).name, "Best");
    EXPECT_EQ(GetHighScore(1).name, "Zephine");
    EXPECT_EQ(GetHighScore(4).name, "Mr Wobblecrust");
    EXPECT_EQ(GetHighScore(4).score, 25000U);
}

TEST_F(SettingsTest, NothingIsWrittenWhenLoadingNeverRan) {
    WriteBytes(home_.DataFile(), {1, 2, 3});
    SaveSettings();
    SaveSettings();
    EXPECT_EQ(ReadBytes(home_.DataFile()), (std::vector<uint8_t>{1, 2, 3}));
}

// A file-size limit makes the write fail part-way, as a full disk would.
TEST_F(SettingsTest, SaveThatCannotCompleteLeavesTheOldFile) {
    std::vector<uint8_t> old = WriteSettingsRecord(Settings{});
    old[25] = 3;  // starting level 3
    WriteBytes(home_.DataFile(), old);
    LoadSettings();
    InsertHighScore({std::string(200, 'x'), 50000});

    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    SaveSettings();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(ReadBytes(home_.DataFile()), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home_.DataFile().parent_path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(SettingsTest, DataFilePathFallsBackToHomeAndFailsWithoutAFolder) {
    std::string path;
    ASSERT_TRUE(GetDataFilePath(path));
    EXPECT_EQ(path, home_.DataFile().string());
    EXPECT_TRUE(std::filesystem::is_directory(home_.DataFile().parent_path()));

    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", home_.Folder().c_str(), 1);
    ASSERT_TRUE(GetDataFilePath(path));
    EXPECT_EQ(path, (home_.Folder() / ".local/share/Quillbeam/Drobix/Drobix.dat").string());

    // A file where a folder should be: no path, and loading still succeeds with defaults.
    WriteBytes(home_.Folder() / "blocked" / "Quillbeam", {0});
    ::setenv("XDG_DATA_HOME", (home_.Folder() / "blocked").c_str(), 1);
    EXPECT_FALSE(GetDataFilePath(path));
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(GetHighScore(0).score, 35000U);

    ::setenv("HOME", home.c_str(), 1);
}

TEST(EnsureDirectoryTest, CreatesOneFolderOrFindsIt) {
    Testing::TempDataHome home;
    const auto folder = home.Folder() / "one";
    EXPECT_TRUE(EnsureDirectory(folder.string()));
    EXPECT_TRUE(EnsureDirectory(folder.string()));
    EXPECT_FALSE(EnsureDirectory((home.Folder() / "missing" / "two").string()));
}

}  // namespace
}  // namespace Drobix

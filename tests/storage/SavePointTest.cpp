// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/SavePoint.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "TempDataHome.h"
#include "storage/Settings.h"

namespace Drobix {
namespace {

constexpr size_t kSoundOffset = 4;
constexpr size_t kStartingLevelOffset = 25;

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class SavePointTest : public testing::Test {
protected:
    void TearDown() override { SaveSettings(); }

    // Options and a new high score, as a session changes them.
    static void ChangeLikeASession() {
        SetSoundOn(false);
        SetStartingLevel(3);
        SetBlockPreview(BlockPreview::Random);
        InsertHighScore({"Ann", 40000});
    }

    Testing::TempDataHome home_;
};

TEST_F(SavePointTest, WritesTheBytesTheExitWritesAndKeepsTheRecord) {
    LoadSettings();
    ChangeLikeASession();
    SaveSettingsNow();
    const auto atSavePoint = ReadBytes(home_.DataFile());
    ASSERT_EQ(atSavePoint.size(), 113U);
    EXPECT_EQ(atSavePoint[kSoundOffset], 0);
    EXPECT_EQ(atSavePoint[kStartingLevelOffset], 3);

    // The session plays on with its record as it was.
    ASSERT_NE(GetSettings(), nullptr);
    EXPECT_FALSE(IsSoundOn());
    EXPECT_EQ(GetStartingLevel(), 3U);
    EXPECT_EQ(GetBlockPreview(), BlockPreview::Random);
    EXPECT_EQ(GetHighScore(0).name, "Ann");
    EXPECT_EQ(GetHighScore(kHighScoreCount - 1).name, "Pia Thornwell");

    SaveSettings();
    EXPECT_EQ(ReadBytes(home_.DataFile()), atSavePoint);
}

TEST_F(SavePointTest, ChangesAfterASavePointReachTheNextSave) {
    LoadSettings();
    ChangeLikeASession();
    SaveSettingsNow();
    SetStartingLevel(7);
    SaveSettingsNow();
    const auto second = ReadBytes(home_.DataFile());
    ASSERT_EQ(second.size(), 113U);
    EXPECT_EQ(second[kStartingLevelOffset], 7);
    SaveSettings();
    EXPECT_EQ(ReadBytes(home_.DataFile()), second);
}

TEST_F(SavePointTest, AFileThatCannotBeWrittenLosesNothingOfTheSession) {
    // A folder where the file should be: every save fails.
    std::filesystem::create_directories(home_.DataFile());
    LoadSettings();
    ChangeLikeASession();
    SaveSettingsNow();
    ASSERT_NE(GetSettings(), nullptr);
    EXPECT_FALSE(IsSoundOn());
    EXPECT_EQ(GetStartingLevel(), 3U);
    EXPECT_EQ(GetHighScore(0).score, 40000U);
    EXPECT_TRUE(std::filesystem::is_directory(home_.DataFile()));
}

TEST_F(SavePointTest, WritesNothingWithoutARecord) {
    SaveSettingsNow();
    EXPECT_EQ(GetSettings(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(home_.DataFile()));

    LoadSettings();
    SaveSettings();
    std::filesystem::remove(home_.DataFile());
    SaveSettingsNow();
    EXPECT_EQ(GetSettings(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(home_.DataFile()));
}

}  // namespace
}  // namespace Drobix

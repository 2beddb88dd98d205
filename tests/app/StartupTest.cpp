// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "TempDataHome.h"
#include "platform/scripted/DisplayLossScripted.h"
#include "storage/Settings.h"

namespace Drobix {
namespace {

constexpr size_t kStartingLevelOffset = 25;
constexpr size_t kBestScoreOffset = 29;

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(StartupTest, ALostDisplaySavesAsTheExitWouldWithoutAShutdown) {
    Testing::TempDataHome dataHome;
    ASSERT_TRUE(InitialiseGame());
    SetStartingLevel(6);
    InsertHighScore({"Kim", 50000});

    Platform::Scripted::LoseDisplay();
    const auto saved = ReadBytes(dataHome.DataFile());
    ASSERT_EQ(saved.size(), 113U);
    EXPECT_EQ(saved[kStartingLevelOffset], 6);
    // 50000 little-endian, then the name's length and the name.
    const std::vector<uint8_t> best{0x50, 0xC3, 0x00, 0x00, 3, 0, 0, 0, 'K', 'i', 'm'};
    EXPECT_TRUE(std::equal(best.begin(), best.end(), saved.begin() + kBestScoreOffset));
    // The record went with the save, as it does at exit.
    EXPECT_EQ(GetSettings(), nullptr);

    ShutdownGame();
    EXPECT_EQ(ReadBytes(dataHome.DataFile()), saved);
}

// A copy killed during a save left its temporary file; the next start clears it away, and only
// it.
TEST(StartupTest, TheStartRemovesWhatAKilledSaveLeft) {
    Testing::TempDataHome dataHome;
    const std::filesystem::path folder = dataHome.DataFile().parent_path();
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Drobix.dat.k9Xq2M") << "half a save";
    std::ofstream(folder / "Drobix.dat.notes") << "the player's";
    ASSERT_TRUE(InitialiseGame());
    EXPECT_FALSE(std::filesystem::exists(folder / "Drobix.dat.k9Xq2M"));
    EXPECT_TRUE(std::filesystem::exists(folder / "Drobix.dat.notes"));
    ShutdownGame();
}

}  // namespace
}  // namespace Drobix

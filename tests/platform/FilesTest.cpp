// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The file calls and the save lock on every system's own implementation: the Linux build runs
// these natively, the Windows build under Wine.

#include "platform/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "TempDataHome.h"
#include "platform/SaveLock.h"

namespace Drobix::Platform {
namespace {

namespace fs = std::filesystem;

class FilesTest : public testing::Test {
protected:
    void Make(const std::string& name, const std::string& bytes) const {
        std::ofstream(home_.Folder() / name, std::ios::binary) << bytes;
    }

    std::string PathOf(const std::string& name) const { return (home_.Folder() / name).string(); }

    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(home_.Folder())) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    Testing::TempDataHome home_;
};

TEST_F(FilesTest, AReplacementLeavesTheNewBytesAndNothingBeside) {
    const std::string path = PathOf("settings.toml");
    EXPECT_EQ(ReplaceFileAtomically(path, "first\n"), std::nullopt);
    EXPECT_EQ(ReplaceFileAtomically(path, std::string("second\0\n", 8)), std::nullopt);
    const FileReadResult read = ReadRegularFile(path, 64);
    EXPECT_EQ(read.status, FileReadStatus::Read);
    EXPECT_EQ(read.bytes, std::string("second\0\n", 8));
    EXPECT_EQ(Names(), std::set<std::string>{"settings.toml"});
    // A folder in the file's place is left alone, with a reason.
    fs::create_directory(home_.Folder() / "folder");
    EXPECT_NE(ReplaceFileAtomically(PathOf("folder"), "x"), std::nullopt);
    EXPECT_TRUE(fs::is_directory(home_.Folder() / "folder"));
}

TEST_F(FilesTest, ReadingTellsWhatIsThere) {
    Make("small", "abc");
    Make("large", std::string(65, 'x'));
    fs::create_directory(home_.Folder() / "folder");
    EXPECT_EQ(ReadRegularFile(PathOf("none"), 64).status, FileReadStatus::Missing);
    EXPECT_EQ(ReadRegularFile(PathOf("folder"), 64).status, FileReadStatus::NotRegular);
    EXPECT_EQ(ReadRegularFile(PathOf("large"), 64).status, FileReadStatus::TooLarge);
    EXPECT_EQ(ReadRegularFile(PathOf("large"), 65).bytes, std::string(65, 'x'));
    EXPECT_EQ(ReadRegularFile(PathOf("small"), 64).bytes, "abc");
    // The bounded read takes the start of a larger file, and nothing of a folder.
    EXPECT_EQ(ReadFileBounded(PathOf("small"), 2), (std::vector<uint8_t>{'a', 'b'}));
    EXPECT_EQ(ReadFileBounded(PathOf("folder"), 2), std::nullopt);
    EXPECT_EQ(ReadFileBounded(PathOf("none"), 2), std::nullopt);
}

TEST_F(FilesTest, OnlyTheReplacementsOwnNamesAreRemoved) {
    for (const char* name : {"settings.toml", "settings.toml.Ab12Cd", "settings.toml.zz99ZZ",
                             "settings.toml.bak", "settings.toml.lock", "settings.toml.Ab12C",
                             "settings.toml.Ab12Cd7", "other.toml.Ab12Cd"}) {
        Make(name, "x");
    }
    fs::create_directory(home_.Folder() / "settings.toml.Qq11qq");
    RemoveUnfinishedReplacements(PathOf("settings.toml"));
    const std::set<std::string> kept{
        "settings.toml",         "settings.toml.bak", "settings.toml.lock",  "settings.toml.Ab12C",
        "settings.toml.Ab12Cd7", "other.toml.Ab12Cd", "settings.toml.Qq11qq"};
    EXPECT_EQ(Names(), kept);
}

TEST_F(FilesTest, FoldersAreMadeOnceAndAFileInTheWayIsTold) {
    EXPECT_EQ(MakeFolder(PathOf("made"), true), std::nullopt);
    EXPECT_TRUE(fs::is_directory(home_.Folder() / "made"));
    EXPECT_EQ(MakeFolder(PathOf("made"), false), std::nullopt);
    Make("file", "x");
    EXPECT_NE(MakeFolder(PathOf("file"), false), std::nullopt);
    EXPECT_NE(MakeFolder(PathOf("none/inner"), false), std::nullopt);
}

TEST_F(FilesTest, TheSettingsLockIsAFileBesideTheOneItGuards) {
    {
        const FileLock lock(PathOf("settings.toml"));
        EXPECT_EQ(lock.Failure(), std::nullopt);
    }
    EXPECT_EQ(Names(), std::set<std::string>{"settings.toml.lock"});
    EXPECT_NE(FileLock(PathOf("none/settings.toml")).Failure(), std::nullopt);
}

TEST_F(FilesTest, TheSaveLockIsHeldOnceAndLeavesTheFolderAsItWas) {
    Make("Drobix.dat", "x");
    const std::string folder = home_.Folder().string();
    {
        const SaveLock first(folder, SaveLock::Wait::Never);
        ASSERT_TRUE(first.IsHeld());
        EXPECT_FALSE(SaveLock(folder, SaveLock::Wait::Never).IsHeld());
    }
    EXPECT_TRUE(SaveLock(folder, SaveLock::Wait::UntilFree).IsHeld());
    EXPECT_EQ(Names(), std::set<std::string>{"Drobix.dat"});
    // Only a folder is locked.
    EXPECT_FALSE(SaveLock(PathOf("Drobix.dat"), SaveLock::Wait::UntilFree).IsHeld());
    EXPECT_FALSE(SaveLock(PathOf("none"), SaveLock::Wait::UntilFree).IsHeld());
}

}  // namespace
}  // namespace Drobix::Platform

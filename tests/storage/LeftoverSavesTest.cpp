// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/LeftoverSaves.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <system_error>

#include "TempDataHome.h"
#include "platform/SaveLock.h"

namespace Drobix {
namespace {

namespace fs = std::filesystem;

TEST(LeftoverSavesTest, OnlyTheSavesOwnTemporaryNamesAreLeftovers) {
    EXPECT_TRUE(IsLeftoverSaveName("Drobix.dat.a1B2c3", "Drobix.dat"));
    EXPECT_TRUE(IsLeftoverSaveName("Drobix.dat.ZZZZZZ", "Drobix.dat"));
    EXPECT_TRUE(IsLeftoverSaveName("Drobix.dat.000000", "Drobix.dat"));
    // The file itself, a backup of the player's, other lengths and other characters.
    EXPECT_FALSE(IsLeftoverSaveName("Drobix.dat", "Drobix.dat"));
    EXPECT_FALSE(IsLeftoverSaveName("Drobix.dat.bak", "Drobix.dat"));
    EXPECT_FALSE(IsLeftoverSaveName("Drobix.dat.a1B2c", "Drobix.dat"));
    EXPECT_FALSE(IsLeftoverSaveName("Drobix.dat.a1B2c3d", "Drobix.dat"));
    EXPECT_FALSE(IsLeftoverSaveName("Drobix.dat.a1-2c3", "Drobix.dat"));
    EXPECT_FALSE(IsLeftoverSaveName("Drobix.dat.a1.2c3", "Drobix.dat"));
    EXPECT_FALSE(IsLeftoverSaveName("Drobix.dat_a1B2c3", "Drobix.dat"));
    // Other files' temporary files.
    EXPECT_FALSE(IsLeftoverSaveName("drobix.dat.a1B2c3", "Drobix.dat"));
    EXPECT_FALSE(IsLeftoverSaveName("Old.dat.a1B2c3", "Drobix.dat"));
    EXPECT_FALSE(IsLeftoverSaveName("xDrobix.dat.a1B2c3", "Drobix.dat"));
    EXPECT_FALSE(IsLeftoverSaveName("settings.toml.a1B2c3", "Drobix.dat"));
}

class LeftoverSavesFolderTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = home_.Folder() / "Quillbeam" / "Drobix";
        fs::create_directories(folder_);
        file_ = folder_ / "Drobix.dat";
    }

    void Make(const fs::path& path) const { std::ofstream(path) << "x"; }

    std::set<std::string> Names(const fs::path& folder) const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    // Two leftovers beside the data file, and what must survive beside and around them.
    void Plant() {
        for (const char* name : {"Drobix.dat", "Drobix.dat.Ab12Cd", "Drobix.dat.zz99ZZ",
                                 "Drobix.dat.bak", "Notes.txt.Ab12Cd", "Drobix.dat.a1B2c"}) {
            Make(folder_ / name);
        }
        // A folder and a link of the pattern: a save makes neither.
        fs::create_directory(folder_ / "Drobix.dat.Qq11qq");
        Make(home_.Folder() / "elsewhere");
        // Not every system lets a program make links (Windows asks for a privilege).
        std::error_code error;
        fs::create_symlink(home_.Folder() / "elsewhere", folder_ / kLink, error);
        linked_ = !error;
        // The pattern in the folder above: not the data file's own folder.
        Make(home_.Folder() / "Quillbeam" / "Drobix.dat.Ab12Cd");
    }

    static constexpr const char* kLink = "Drobix.dat.Ll22ll";
    Testing::TempDataHome home_;
    fs::path folder_;
    fs::path file_;
    bool linked_ = false;
};

TEST_F(LeftoverSavesFolderTest, RemovesOnlyTheDataFilesTemporaryFilesInItsOwnFolder) {
    Plant();
    EXPECT_EQ(RemoveLeftoverSaves(file_), 2U);
    std::set<std::string> kept{"Drobix.dat", "Drobix.dat.bak", "Notes.txt.Ab12Cd",
                               "Drobix.dat.a1B2c", "Drobix.dat.Qq11qq"};
    if (linked_) {
        kept.insert(kLink);
    }
    EXPECT_EQ(Names(folder_), kept);
    EXPECT_TRUE(fs::exists(home_.Folder() / "elsewhere"));
    EXPECT_TRUE(fs::exists(home_.Folder() / "Quillbeam" / "Drobix.dat.Ab12Cd"));
}

TEST_F(LeftoverSavesFolderTest, NothingIsRemovedWhileAnotherCopySaves) {
    Plant();
    {
        // Another copy's save holds the lock through its own open of the folder (or, where a
        // folder cannot be locked, of a file in it that goes with the lock).
        const Platform::SaveLock saving(folder_.string(), Platform::SaveLock::Wait::Never);
        ASSERT_TRUE(saving.IsHeld());
        const auto before = Names(folder_);
        EXPECT_EQ(RemoveLeftoverSaves(file_), 0U);
        EXPECT_EQ(Names(folder_), before);
    }
    EXPECT_EQ(RemoveLeftoverSaves(file_), 2U);
}

TEST_F(LeftoverSavesFolderTest, AMissingFolderRemovesNothing) {
    EXPECT_EQ(RemoveLeftoverSaves(home_.Folder() / "none" / "Drobix.dat"), 0U);
}

}  // namespace
}  // namespace Drobix

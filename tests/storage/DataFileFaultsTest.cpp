// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The data file under the faults a player's machine produces: modes, links, things that are not
// files, folders that cannot be written, a second copy of the game. Permissions are made to bite
// also when the tests run as root, by saving from a child process that has dropped to nobody.
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "TempDataHome.h"
#include "storage/Settings.h"
#include "storage/SettingsFile.h"

namespace Drobix {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kFallbackNobody = 65534;
// Long enough for any save, short enough that a hang fails the test rather than the run.
constexpr unsigned kHangSeconds = 20;

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

struct stat StatOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

mode_t PermissionsOf(const fs::path& path) {
    return StatOf(path).st_mode & 07777;
}

// Every name in the folder, so a temporary file left behind shows.
std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A record unlike the defaults in every field, as another run of the game left it.
std::vector<uint8_t> StoredRecord() {
    Settings settings;
    settings.rubbishRows = 4;
    settings.startingLevel = 6;
    settings.highScores[0] = {"Stored", 60000};
    return WriteSettingsRecord(settings);
}

// One run of the game: load, change an option, score, save.
void PlayAndSave() {
    LoadSettings();
    SetStartingLevel(2);
    InsertHighScore({"Played", 70000});
    SaveSettings();
}

class DataFileFaultsTest : public testing::Test {
protected:
    void TearDown() override {
        SaveSettings();
        // Give write permission back so the temporary folder can be removed.
        for (const auto& entry : fs::recursive_directory_iterator(home_.Folder())) {
            if (entry.is_directory(ignored_) && !entry.is_symlink(ignored_)) {
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add,
                                ignored_);
            }
        }
    }

    fs::path DataFile() const { return home_.DataFile(); }
    fs::path DataFolder() const { return home_.DataFile().parent_path(); }

    // Runs body in a child that may not do more than an ordinary user: as root, the child
    // takes nobody's ids and the temporary tree is handed to nobody first. True when the
    // child ended normally.
    bool RunUnprivileged(const std::function<void()>& body) {
        if (::geteuid() == 0) {
            HandTreeTo(NobodyId());
        }
        const pid_t child = ::fork();
        if (child == 0) {
            if (::geteuid() == 0) {
                const uid_t nobody = NobodyId();
                if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 ||
                    ::setuid(nobody) != 0) {
                    ::_exit(2);
                }
            }
            body();
            ::_exit(0);
        }
        int status = 0;
        return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }

    Testing::TempDataHome home_;
    std::error_code ignored_;

private:
    static uid_t NobodyId() {
        const passwd* nobody = ::getpwnam("nobody");
        return nobody != nullptr ? nobody->pw_uid : kFallbackNobody;
    }

    void HandTreeTo(uid_t owner) {
        ASSERT_EQ(::lchown(home_.Folder().c_str(), owner, owner), 0);
        for (const auto& entry : fs::recursive_directory_iterator(home_.Folder())) {
            ASSERT_EQ(::lchown(entry.path().c_str(), owner, owner), 0) << entry.path();
        }
    }
};

TEST_F(DataFileFaultsTest, ASavedFileKeepsTheModeOfTheFileItReplaces) {
    PlayAndSave();
    EXPECT_EQ(PermissionsOf(DataFile()), 0600U);

    for (mode_t mode : {0644U, 0640U, 0604U}) {
        ASSERT_EQ(::chmod(DataFile().c_str(), mode), 0);
        PlayAndSave();
        EXPECT_EQ(PermissionsOf(DataFile()), mode);
        EXPECT_EQ(NamesIn(DataFolder()), std::vector<std::string>{"Drobix.dat"});
    }
}

TEST_F(DataFileFaultsTest, ALinkIsFollowedAndStaysALink) {
    // Drobix.dat -> chain -> ../../synced/real.dat, both relative, as a player sets them up.
    const fs::path synced = home_.Folder() / "synced";
    WriteBytes(synced / "real.dat", StoredRecord());
    ASSERT_EQ(::chmod((synced / "real.dat").c_str(), 0644), 0);
    fs::create_directories(DataFolder());
    fs::create_symlink("../../synced/real.dat", DataFolder() / "chain");
    fs::create_symlink("chain", DataFile());

    PlayAndSave();

    EXPECT_TRUE(fs::is_symlink(DataFile()));
    EXPECT_EQ(fs::read_symlink(DataFile()), "chain");
    EXPECT_EQ(fs::read_symlink(DataFolder() / "chain"), "../../synced/real.dat");
    EXPECT_EQ(PermissionsOf(synced / "real.dat"), 0644U);
    Settings saved;
    ReadSettingsRecord(ReadBytes(synced / "real.dat"), saved);
    EXPECT_EQ(saved.startingLevel, 2U);
    EXPECT_EQ(saved.highScores[0].name, "Played");
    EXPECT_EQ(saved.highScores[1].name, "Stored");
    EXPECT_EQ(NamesIn(synced), std::vector<std::string>{"real.dat"});
    EXPECT_EQ(NamesIn(DataFolder()), (std::vector<std::string>{"Drobix.dat", "chain"}));

    // A link to a file not there yet makes that file; a loop of links is never written.
    fs::remove(synced / "real.dat");
    PlayAndSave();
    EXPECT_TRUE(fs::is_symlink(DataFile()));
    Settings made;
    ReadSettingsRecord(ReadBytes(synced / "real.dat"), made);
    EXPECT_EQ(made.highScores[0].name, "Played");
    EXPECT_EQ(PermissionsOf(synced / "real.dat"), 0600U);
    fs::remove(DataFolder() / "chain");
    fs::create_symlink("Drobix.dat", DataFolder() / "chain");
    PlayAndSave();
    EXPECT_EQ(NamesIn(DataFolder()), (std::vector<std::string>{"Drobix.dat", "chain"}));
    EXPECT_EQ(fs::read_symlink(DataFile()), "chain");
}

TEST_F(DataFileFaultsTest, NothingButARegularFileIsOpenedOrReplaced) {
    fs::create_directories(DataFolder());
    ASSERT_EQ(::mkfifo(DataFile().c_str(), 0600), 0);
    // A reader that blocks on the FIFO would wait for ever; the alarm ends the test instead.
    ::alarm(kHangSeconds);
    PlayAndSave();
    LoadSettings();
    ::alarm(0);
    EXPECT_EQ(GetStartingLevel(), 0U);
    EXPECT_EQ(GetHighScore(0).name, "Zephine");
    SaveSettings();
    EXPECT_TRUE(fs::is_fifo(DataFile()));
    EXPECT_EQ(NamesIn(DataFolder()), std::vector<std::string>{"Drobix.dat"});

    // A folder where the file should be.
    fs::remove(DataFile());
    fs::create_directory(DataFile());
    PlayAndSave();
    EXPECT_TRUE(fs::is_directory(DataFile()));
    EXPECT_TRUE(fs::is_empty(DataFile()));
    EXPECT_EQ(NamesIn(DataFolder()), std::vector<std::string>{"Drobix.dat"});

    // Reached through a link, the same.
    fs::remove(DataFile());
    ASSERT_EQ(::mkfifo((DataFolder() / "pipe").c_str(), 0600), 0);
    fs::create_symlink("pipe", DataFile());
    ::alarm(kHangSeconds);
    PlayAndSave();
    ::alarm(0);
    EXPECT_TRUE(fs::is_fifo(DataFolder() / "pipe"));
    EXPECT_TRUE(fs::is_symlink(DataFile()));
}

TEST_F(DataFileFaultsTest, AFileThePlayerMayNotWriteIsLeftAsItIs) {
    WriteBytes(DataFile(), StoredRecord());
    ASSERT_EQ(::chmod(DataFile().c_str(), 0444), 0);
    EXPECT_TRUE(RunUnprivileged(PlayAndSave));
    EXPECT_EQ(ReadBytes(DataFile()), StoredRecord());
    EXPECT_EQ(PermissionsOf(DataFile()), 0444U);
    EXPECT_EQ(NamesIn(DataFolder()), std::vector<std::string>{"Drobix.dat"});
    const struct stat before = StatOf(DataFile());

    // The game still reads it, and says nothing.
    EXPECT_TRUE(RunUnprivileged([] {
        LoadSettings();
        if (GetStartingLevel() != 6 || GetHighScore(0).name != "Stored") {
            ::_exit(1);
        }
        SaveSettings();
    }));
    const struct stat after = StatOf(DataFile());
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(DataFileFaultsTest, AFolderThatCannotBeWrittenOrIsGoneLeavesNoTrace) {
    WriteBytes(DataFile(), StoredRecord());
    ASSERT_EQ(::chmod(DataFolder().c_str(), 0555), 0);
    EXPECT_TRUE(RunUnprivileged(PlayAndSave));
    EXPECT_EQ(ReadBytes(DataFile()), StoredRecord());
    EXPECT_EQ(NamesIn(DataFolder()), std::vector<std::string>{"Drobix.dat"});

    // The folder removed while the game runs, and its parent not writable: nothing is made.
    ASSERT_EQ(::chmod(DataFolder().c_str(), 0755), 0);
    EXPECT_TRUE(RunUnprivileged([this] {
        LoadSettings();
        fs::remove_all(DataFolder());
        ::chmod(DataFolder().parent_path().c_str(), 0555);
        SaveSettings();
    }));
    EXPECT_FALSE(fs::exists(DataFolder()));

    // Removed but free to be made again: the save makes it.
    ASSERT_EQ(::chmod(DataFolder().parent_path().c_str(), 0755), 0);
    LoadSettings();
    fs::remove_all(DataFolder());
    SaveSettings();
    EXPECT_EQ(ReadBytes(DataFile()).size(), 114U);
}

// The file another copy saved while this one ran: its scores join ours, our options win.
TEST_F(DataFileFaultsTest, ASecondCopysScoresSurviveOurSave) {
    LoadSettings();
    InsertHighScore({"Ours", 36000});
    SetRubbishRows(7);
    WriteBytes(DataFile(), StoredRecord());
    SaveSettings();

    Settings saved;
    ReadSettingsRecord(ReadBytes(DataFile()), saved);
    EXPECT_EQ(saved.highScores[0].name, "Stored");
    EXPECT_EQ(saved.highScores[1].name, "Ours");
    EXPECT_EQ(saved.highScores[2].name, "Zephine");
    EXPECT_EQ(saved.highScores[4].name, "Mr Wobblecrust");
    EXPECT_EQ(saved.rubbishRows, 7U);
    EXPECT_EQ(saved.startingLevel, 0U);
}

}  // namespace
}  // namespace Drobix

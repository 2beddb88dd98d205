// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SaveLock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "TempDataHome.h"

namespace Drobix::Platform {
namespace {

namespace fs = std::filesystem;

// A second process that holds the lock at path until told to let go.
class OtherProcessHolding {
public:
    explicit OtherProcessHolding(const std::string& path) {
        int ready[2] = {-1, -1};
        int release[2] = {-1, -1};
        if (::pipe(ready) != 0 || ::pipe(release) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            const SaveLock lock(path, SaveLock::Wait::UntilFree);
            const char held = lock.IsHeld() ? 'y' : 'n';
            [[maybe_unused]] const ssize_t written = ::write(ready[1], &held, 1);
            char ignored = 0;
            [[maybe_unused]] const ssize_t read = ::read(release[0], &ignored, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        releaseFd_ = release[1];
        char held = 0;
        held_ = ::read(ready[0], &held, 1) == 1 && held == 'y';
        ::close(ready[0]);
    }

    ~OtherProcessHolding() { LetGo(); }
    OtherProcessHolding(const OtherProcessHolding&) = delete;
    OtherProcessHolding& operator=(const OtherProcessHolding&) = delete;

    bool IsHolding() const { return held_; }

    // Closing the pipe tells the process to end, which lets the lock go; waits for its end.
    void LetGo() {
        if (releaseFd_ >= 0) {
            ::close(releaseFd_);
            releaseFd_ = -1;
        }
        if (pid_ > 0) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    int releaseFd_ = -1;
    bool held_ = false;
};

TEST(SaveLockPosixTest, ALockAnotherProcessHoldsIsNotTakenWithoutWaiting) {
    Testing::TempDataHome home;
    const std::string path = home.Folder().string();
    OtherProcessHolding other(path);
    ASSERT_TRUE(other.IsHolding());
    EXPECT_FALSE(SaveLock(path, SaveLock::Wait::Never).IsHeld());
    other.LetGo();
    EXPECT_TRUE(SaveLock(path, SaveLock::Wait::Never).IsHeld());
    EXPECT_TRUE(SaveLock(path, SaveLock::Wait::UntilFree).IsHeld());
}

TEST(SaveLockPosixTest, OnlyAFolderIsLockedAndItStaysAsItWas) {
    Testing::TempDataHome home;
    const fs::path folder = home.Folder() / "Drobix";
    fs::create_directory(folder);
    EXPECT_TRUE(SaveLock(folder.string(), SaveLock::Wait::Never).IsHeld());
    EXPECT_TRUE(fs::is_empty(folder));
    // A link to the folder is followed.
    const fs::path link = home.Folder() / "link";
    fs::create_symlink(folder, link);
    EXPECT_TRUE(SaveLock(link.string(), SaveLock::Wait::Never).IsHeld());

    // A FIFO would block an ordinary open.
    const fs::path fifo = home.Folder() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(SaveLock(fifo.string(), SaveLock::Wait::UntilFree).IsHeld());
    const fs::path file = home.Folder() / "file";
    std::ofstream(file) << "x";
    EXPECT_FALSE(SaveLock(file.string(), SaveLock::Wait::UntilFree).IsHeld());
    EXPECT_FALSE(SaveLock((home.Folder() / "none").string(), SaveLock::Wait::UntilFree).IsHeld());
}

}  // namespace
}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/WindowModeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "TempDataHome.h"

namespace Drobix {
namespace {

namespace fs = std::filesystem;

// Points XDG_CONFIG_HOME at a fresh folder for the test's lifetime.
class WindowModeFileTest : public testing::Test {
protected:
    void SetUp() override {
        if (const char* previous = std::getenv("XDG_CONFIG_HOME")) {
            previous_ = previous;
        }
        ::setenv("XDG_CONFIG_HOME", folder_.Folder().c_str(), 1);
    }
    void TearDown() override {
        if (previous_.empty()) {
            ::unsetenv("XDG_CONFIG_HOME");
        } else {
            ::setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
        }
    }

    fs::path File() const { return folder_.Folder() / "drobix" / "window-mode"; }
    void Write(const std::string& bytes) const {
        fs::create_directories(File().parent_path());
        std::ofstream(File(), std::ios::binary) << bytes;
    }

    Testing::TempDataHome folder_;
    std::string previous_;
};

TEST_F(WindowModeFileTest, TextNamesAModeOnlyAsOneExactWord) {
    EXPECT_EQ(ParseWindowMode("window"), SavedWindowMode::Window);
    EXPECT_EQ(ParseWindowMode("window\n"), SavedWindowMode::Window);
    EXPECT_EQ(ParseWindowMode("fullscreen\n"), SavedWindowMode::Fullscreen);
    for (const char* bad :
         {"", "\n", "Window\n", "window\n\n", " window", "window\r\n", "windowed", "full"}) {
        EXPECT_EQ(ParseWindowMode(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(ParseWindowMode(std::string_view("window\0", 7)), std::nullopt);
}

TEST_F(WindowModeFileTest, SavedModeIsLoadedAndAFreshFolderIsMade) {
    EXPECT_EQ(LoadWindowMode(), SavedWindowMode::Fullscreen);
    ASSERT_TRUE(SaveWindowMode(SavedWindowMode::Window));
    EXPECT_EQ(File(), fs::path(*WindowModeFilePath()));
    std::ifstream in(File(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "window\n");
    EXPECT_EQ(LoadWindowMode(), SavedWindowMode::Window);
    ASSERT_TRUE(SaveWindowMode(SavedWindowMode::Fullscreen));
    EXPECT_EQ(LoadWindowMode(), SavedWindowMode::Fullscreen);
}

TEST_F(WindowModeFileTest, BadOrUnreadableFilesGiveFullScreen) {
    Write(std::string(100, 'w'));
    EXPECT_EQ(LoadWindowMode(), SavedWindowMode::Fullscreen);
    // Long files are not read to their end: a word followed by more is no mode.
    Write("window\n" + std::string(1 << 20, ' '));
    EXPECT_EQ(LoadWindowMode(), SavedWindowMode::Fullscreen);
    Write("window\n");
    fs::permissions(File(), fs::perms::none);
    if (::geteuid() != 0) {
        EXPECT_EQ(LoadWindowMode(), SavedWindowMode::Fullscreen);
    }
    fs::remove(File());
    fs::create_directory(File());
    EXPECT_EQ(LoadWindowMode(), SavedWindowMode::Fullscreen);
    fs::remove(File());
    // A named pipe with no writer must neither block nor count.
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    EXPECT_EQ(LoadWindowMode(), SavedWindowMode::Fullscreen);
}

TEST_F(WindowModeFileTest, RelativeConfigHomeFallsBackToHome) {
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        EXPECT_EQ(WindowModeFilePath(), std::string(home) + "/.config/drobix/window-mode");
    }
}

}  // namespace
}  // namespace Drobix

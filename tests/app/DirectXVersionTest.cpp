// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DirectXVersion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "TempDataHome.h"
#include "app/MainLoop.h"
#include "app/Startup.h"
#include "platform/DirectXInfo.h"
#include "platform/DirectXInfoTesting.h"
#include "storage/Settings.h"

namespace Drobix {
namespace {

// A system of the test's making: what the diagnostics say, and the versions of files in the
// system folder "C:\System".
struct FakeSystem {
    Platform::DiagnosticsAnswer diagnostics;
    std::map<std::string, uint64_t> files;
};

FakeSystem fake;

const Platform::DirectXInfoSource kFakeSource{
    [] { return fake.diagnostics; },
    []() -> std::optional<std::string> { return std::string("C:\\System"); },
    [](const std::string& path) -> std::optional<uint64_t> {
        const auto file = fake.files.find(path);
        return file != fake.files.end() ? std::optional<uint64_t>(file->second) : std::nullopt;
    }};

class DirectXVersionTest : public testing::Test {
protected:
    void SetUp() override {
        fake = FakeSystem{};
        Platform::Testing::SetDirectXInfoSource(&kFakeSource);
    }
    void TearDown() override { Platform::Testing::SetDirectXInfoSource(nullptr); }

    static void AddFile(const std::string& name, uint64_t version) {
        fake.files["C:\\System\\" + name] = version;
    }

    // The packed version and the text, as start-up asks for them.
    static std::pair<uint32_t, std::string> Detect() {
        uint32_t packed = 0xDEAD;
        char text[10] = "junk";
        EXPECT_EQ(DetectDirectXVersion(&packed, text, sizeof text), kResultOk);
        return {packed, text};
    }
};

TEST_F(DirectXVersionTest, DiagnosticsGiveTheVersionWithItsLetterLowerCased) {
    fake.diagnostics = {9, 0, "c"};
    EXPECT_EQ(Detect(), std::make_pair(0x90003U, std::string("9.0c")));
    fake.diagnostics = {9, 0, "C"};
    EXPECT_EQ(Detect(), std::make_pair(0x90003U, std::string("9.0c")));
    fake.diagnostics = {7, 0, " "};
    EXPECT_EQ(Detect(), std::make_pair(0x70000U, std::string("7.0")));
}

TEST_F(DirectXVersionTest, IncompleteDiagnosticsLeaveTheAnswerToTheFiles) {
    fake.diagnostics = {9, 0, ""};
    AddFile("d3d9.dll", PackFileVersion(0, 0, 0, 1));
    EXPECT_EQ(Detect(), std::make_pair(0x90000U, std::string("9.0")));
    // No diagnostics and no files at all: 0.0, which start-up refuses.
    fake = FakeSystem{};
    EXPECT_EQ(Detect(), std::make_pair(0U, std::string("0.0")));
}

TEST_F(DirectXVersionTest, TheLastMatchingFileDecides) {
    AddFile("ddraw.dll", PackFileVersion(4, 7, 0, 700));
    AddFile("dinput.dll", PackFileVersion(4, 7, 0, 716));
    EXPECT_EQ(Detect(), std::make_pair(0x70001U, std::string("7.0a")));

    fake.files.clear();
    AddFile("ddraw.dll", PackFileVersion(4, 6, 0, 436));
    AddFile("dplayx.dll", PackFileVersion(4, 6, 3, 518));
    EXPECT_EQ(Detect(), std::make_pair(0x60101U, std::string("6.1a")));
}

TEST_F(DirectXVersionTest, NewerReleasesAreCountedInTheFilesOwnNumbering) {
    AddFile("ddraw.dll", PackFileVersion(5, 1, 2258, 400));
    EXPECT_EQ(Detect().second, "8.0");
    // 4.8.0.399 is below the 8.0 release, and only reaches 7.0.
    AddFile("ddraw.dll", PackFileVersion(4, 8, 0, 399));
    EXPECT_EQ(Detect().second, "7.0");
    AddFile("ddraw.dll", PackFileVersion(5, 0, 0, 0));
    AddFile("dpnet.dll", PackFileVersion(5, 2, 3677, 134));
    EXPECT_EQ(Detect(), std::make_pair(0x80200U, std::string("8.2")));
}

TEST_F(DirectXVersionTest, MissingOutputsAreLeftAloneAndTheTextIsCutToItsBuffer) {
    fake.diagnostics = {9, 0, "c"};
    uint32_t packed = 0;
    EXPECT_EQ(DetectDirectXVersion(&packed, nullptr, 10), kResultOk);
    EXPECT_EQ(packed, 0x90003U);
    char text[3] = "zz";
    EXPECT_EQ(DetectDirectXVersion(nullptr, text, 0), kResultOk);
    EXPECT_STREQ(text, "zz");
    EXPECT_EQ(DetectDirectXVersion(nullptr, text, sizeof text), kResultOk);
    EXPECT_STREQ(text, "9.");
}

TEST(FileVersionTest, PartsAreCutToSixteenBitsAndComparedHighPartFirst) {
    EXPECT_EQ(PackFileVersion(4, 8, 1, 881), 0x0004000800010371ULL);
    EXPECT_EQ(PackFileVersion(0x10004, 0, 0, 0), PackFileVersion(4, 0, 0, 0));
    EXPECT_EQ(CompareFileVersions(PackFileVersion(5, 0, 0, 0), PackFileVersion(4, 9, 9, 9)), 1);
    EXPECT_EQ(CompareFileVersions(PackFileVersion(4, 9, 0, 1), PackFileVersion(4, 9, 0, 2)), -1);
    EXPECT_EQ(CompareFileVersions(PackFileVersion(4, 9, 0, 2), PackFileVersion(4, 9, 0, 2)), 0);
    uint64_t version = 0;
    EXPECT_EQ(ReadFileVersion(nullptr, &version), kResultInvalidArgument);
    EXPECT_EQ(ReadFileVersion("C:\\System\\ddraw.dll", nullptr), kResultInvalidArgument);
}

TEST_F(DirectXVersionTest, StartUpRefusesAnOlderReleaseWithItsVersionInTheMessage) {
    Testing::TempDataHome dataHome;
    AddFile("ddraw.dll", PackFileVersion(4, 6, 0, 436));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(InitialiseGame());
    ShutdownGame();
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find("DirectX Error: The installed version of DirectX (6.1) is not "
                            "adequate to run Drobix. Please download and install the latest "
                            "version from https://"),
              std::string::npos)
        << messages;
    EXPECT_EQ(directXVersionText, "6.1");
    // The settings were never loaded, so none are saved.
    std::string dataFile;
    ASSERT_TRUE(GetDataFilePath(dataFile));
    EXPECT_FALSE(std::filesystem::exists(dataFile));
}

// Where the system has no DirectX files (Linux), the layer's stand-in answers.
TEST_F(DirectXVersionTest, StartUpAcceptsTheStandInRelease) {
    if (Platform::SystemDirectXInfoSource().systemDirectory()) {
        GTEST_SKIP() << "this system has DirectX files of its own";
    }
    Testing::TempDataHome dataHome;
    Platform::Testing::SetDirectXInfoSource(nullptr);
    EXPECT_TRUE(InitialiseGame());
    EXPECT_EQ(directXVersionText, "7.0");
    ShutdownGame();
}

// The system's own sources, whatever they are (on Windows the diagnostics component and the
// files), give a release the game runs on.
TEST_F(DirectXVersionTest, TheSystemsReleaseIsAtLeastSeven) {
    Platform::Testing::SetDirectXInfoSource(nullptr);
    uint32_t packed = 0;
    char text[10] = {};
    EXPECT_EQ(DetectDirectXVersion(&packed, text, sizeof text), kResultOk);
    EXPECT_GE(packed, 0x70000U) << text;
}

}  // namespace
}  // namespace Drobix

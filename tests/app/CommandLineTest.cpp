// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace Drobix {
namespace {

using Action = CommandLine::Action;
using Platform::WindowMode;

CommandLine Parse(std::vector<const char*> arguments) {
    return ParseCommandLine(arguments);
}

TEST(CommandLineTest, ArgumentsChooseTheActionAndTheModeForThisRun) {
    struct Case {
        std::vector<const char*> arguments;
        Action action;
        std::optional<WindowMode> mode;
        std::string unknown;
    };
    const std::vector<Case> cases = {
        {{}, Action::Run, std::nullopt, ""},
        {{"--window"}, Action::Run, WindowMode::Window, ""},
        {{"--fullscreen"}, Action::Run, WindowMode::Fullscreen, ""},
        // The last mode given counts.
        {{"--window", "--fullscreen"}, Action::Run, WindowMode::Fullscreen, ""},
        {{"--fullscreen", "--window"}, Action::Run, WindowMode::Window, ""},
        {{"--help"}, Action::ShowHelp, std::nullopt, ""},
        {{"--version"}, Action::ShowVersion, std::nullopt, ""},
        {{"--window", "--version"}, Action::ShowVersion, WindowMode::Window, ""},
        // Help wins over everything; otherwise the first argument not understood refuses.
        {{"--bogus", "--help"}, Action::ShowHelp, std::nullopt, "--bogus"},
        {{"--version", "-x", "y"}, Action::RefuseUnknown, std::nullopt, "-x"},
        // -h and -v stand for --help and --version, alone: not joined, not in capitals.
        {{"-h"}, Action::ShowHelp, std::nullopt, ""},
        {{"-v"}, Action::ShowVersion, std::nullopt, ""},
        {{"--fullscreen", "-v"}, Action::ShowVersion, WindowMode::Fullscreen, ""},
        {{"-v", "-h"}, Action::ShowHelp, std::nullopt, ""},
        {{"-V"}, Action::RefuseUnknown, std::nullopt, "-V"},
        {{"-H"}, Action::RefuseUnknown, std::nullopt, "-H"},
        {{"-hv"}, Action::RefuseUnknown, std::nullopt, "-hv"},
        {{"-help"}, Action::RefuseUnknown, std::nullopt, "-help"},
        {{"window"}, Action::RefuseUnknown, std::nullopt, "window"},
        {{"--Window"}, Action::RefuseUnknown, std::nullopt, "--Window"},
        {{""}, Action::RefuseUnknown, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const char* argument : c.arguments) {
            line += std::string(argument) + ' ';
        }
        SCOPED_TRACE(line);
        const CommandLine parsed = Parse(c.arguments);
        EXPECT_EQ(parsed.action, c.action);
        EXPECT_EQ(parsed.windowMode, c.mode);
        EXPECT_EQ(parsed.unknown, c.unknown);
    }
}

TEST(CommandLineTest, VerboseGoesWithAnyModeAndIsOffWithoutIt) {
    EXPECT_FALSE(Parse({}).verbose);
    EXPECT_FALSE(Parse({"--window"}).verbose);
    const CommandLine verboseWindow = Parse({"--verbose", "--window"});
    EXPECT_TRUE(verboseWindow.verbose);
    EXPECT_EQ(verboseWindow.action, Action::Run);
    EXPECT_EQ(verboseWindow.windowMode, WindowMode::Window);
    EXPECT_EQ(Parse({"--Verbose"}).action, Action::RefuseUnknown);
}

TEST(CommandLineTest, AnswersGoToTheirStreamsWithTheirExitStatus) {
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(AnswerCommandLine(Parse({"--help"}), out, errors), 0);
    EXPECT_EQ(out.str().rfind("Usage: drobix [OPTION]\n", 0), 0U);
    EXPECT_NE(out.str().find("  --fullscreen  "), std::string::npos);
    EXPECT_EQ(errors.str(), "");

    out.str("");
    EXPECT_EQ(AnswerCommandLine(Parse({"--version"}), out, errors), 0);
    EXPECT_EQ(out.str(), "drobix " DROBIX_TEST_VERSION "\n");
    EXPECT_EQ(errors.str(), "");

    out.str("");
    EXPECT_EQ(AnswerCommandLine(Parse({"--bogus"}), out, errors), 2);
    EXPECT_EQ(out.str(), "");
    const std::string usage = errors.str().substr(errors.str().find('\n') + 1);
    EXPECT_EQ(errors.str().substr(0, errors.str().find('\n') + 1),
              "drobix: unknown option '--bogus'\n");
    std::ostringstream help;
    AnswerCommandLine(Parse({"--help"}), help, errors);
    EXPECT_EQ(usage, help.str());
}

TEST(CommandLineTest, ShortFormsAnswerAsTheLongOnesAndAreListed) {
    std::ostringstream shortForm;
    std::ostringstream longForm;
    std::ostringstream errors;
    EXPECT_EQ(AnswerCommandLine(Parse({"-h"}), shortForm, errors), 0);
    AnswerCommandLine(Parse({"--help"}), longForm, errors);
    EXPECT_EQ(shortForm.str(), longForm.str());
    EXPECT_NE(longForm.str().find("\n  -h, --help    show this help and exit\n"),
              std::string::npos);
    EXPECT_NE(longForm.str().find("\n  -v, --version show the version and exit\n"),
              std::string::npos);

    shortForm.str("");
    EXPECT_EQ(AnswerCommandLine(Parse({"-v"}), shortForm, errors), 0);
    EXPECT_EQ(shortForm.str(), "drobix " DROBIX_TEST_VERSION "\n");
    EXPECT_EQ(errors.str(), "");
}

}  // namespace
}  // namespace Drobix

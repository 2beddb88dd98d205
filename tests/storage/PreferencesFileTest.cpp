// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's settings file: what it says, what each kind of fault costs, and the things that
// may stand in its place.
#include "storage/PreferencesFile.h"

#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>

#include "TempDataHome.h"
#include "input/GameActions.h"
#include "input/Input.h"

namespace Drobix {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kFallbackNobody = 65534;
constexpr unsigned kHangSeconds = 20;

constexpr const char* kFileName = "settings.toml";

// Every setting away from its default.
constexpr const char* kChangedText = R"(window = "window"
[sound]
music = 5
effects = 0
[play]
shadow = true
patterns = true
handling = "modern"
repeat_delay_ms = 120
repeat_interval_ms = 30
[keys]
left = ["J"]
right = ["L"]
turn = ["I", "Keypad 8"]
turn_clockwise = ["O"]
soft_drop = ["K"]
drop = ["Space", "Return"]
pause = ["F1"]
leave = ["Escape"]
)";

Preferences ChangedPreferences() {
    Preferences p;
    p.windowMode = PreferredWindowMode::Window;
    p.musicLevel = 5;
    p.effectsLevel = 0;
    p.shadow = true;
    p.patterns = true;
    p.handling = Handling::Modern;
    p.repeatDelayMs = 120;
    p.repeatIntervalMs = 30;
    p.keys[static_cast<size_t>(GameAction::Left)] = {'J', kNoKey};
    p.keys[static_cast<size_t>(GameAction::Right)] = {'L', kNoKey};
    p.keys[static_cast<size_t>(GameAction::Turn)] = {'I', VirtualKey::kNumpad0 + 8};
    p.keys[static_cast<size_t>(GameAction::TurnClockwise)] = {'O', kNoKey};
    p.keys[static_cast<size_t>(GameAction::SoftDrop)] = {'K', kNoKey};
    p.keys[static_cast<size_t>(GameAction::Drop)] = {VirtualKey::kSpace, VirtualKey::kEnter};
    p.keys[static_cast<size_t>(GameAction::Pause)] = {0x70, kNoKey};
    p.keys[static_cast<size_t>(GameAction::Leave)] = {VirtualKey::kEscape, kNoKey};
    return p;
}

void ExpectSame(const Preferences& actual, const Preferences& expected) {
    EXPECT_EQ(actual.windowMode, expected.windowMode);
    EXPECT_EQ(actual.musicLevel, expected.musicLevel);
    EXPECT_EQ(actual.effectsLevel, expected.effectsLevel);
    EXPECT_EQ(actual.shadow, expected.shadow);
    EXPECT_EQ(actual.patterns, expected.patterns);
    EXPECT_EQ(actual.handling, expected.handling);
    EXPECT_EQ(actual.repeatDelayMs, expected.repeatDelayMs);
    EXPECT_EQ(actual.repeatIntervalMs, expected.repeatIntervalMs);
    EXPECT_EQ(actual.keys, expected.keys);
}

struct Parsed {
    Preferences preferences;
    std::string faults;
};

Parsed Parse(std::string_view text) {
    std::ostringstream faults;
    Parsed parsed{ParsePreferences(text, "F", faults), {}};
    parsed.faults = faults.str();
    return parsed;
}

TEST(PreferencesFileTest, EverySettingIsReadAndWrittenBack) {
    const Parsed parsed = Parse(kChangedText);
    EXPECT_EQ(parsed.faults, "");
    ExpectSame(parsed.preferences, ChangedPreferences());

    const std::string written = WritePreferences(parsed.preferences);
    const Parsed again = Parse(written);
    EXPECT_EQ(again.faults, "");
    ExpectSame(again.preferences, ChangedPreferences());

    // The defaults, written and read, and an empty file: every default.
    ExpectSame(Parse(WritePreferences(Preferences{})).preferences, Preferences{});
    const Parsed empty = Parse("");
    EXPECT_EQ(empty.faults, "");
    ExpectSame(empty.preferences, Preferences{});
    EXPECT_NE(written.find("turn_clockwise = [ \"O\" ]"), std::string::npos) << written;
    EXPECT_NE(written.find("window = \"window\""), std::string::npos) << written;
    EXPECT_NE(written.find("handling = \"modern\""), std::string::npos) << written;
    EXPECT_NE(written.find("repeat_interval_ms = 30"), std::string::npos) << written;
}

// A file of defaults says nothing of the handling, so it reads as it did before there was one;
// each handling entry is written once it differs, and only that one.
TEST(PreferencesFileTest, HandlingEntriesAreWrittenOnlyAwayFromTheirDefaults) {
    EXPECT_EQ(WritePreferences(Preferences{}).find("handling"), std::string::npos);
    EXPECT_EQ(WritePreferences(Preferences{}).find("repeat_"), std::string::npos);
    Preferences slower;
    slower.repeatDelayMs = kMaxRepeatDelayMs;
    const std::string written = WritePreferences(slower);
    EXPECT_NE(written.find("[play]\npatterns = false\nrepeat_delay_ms = 1000\nshadow = false\n"),
              std::string::npos)
        << written;
    EXPECT_EQ(written.find("handling"), std::string::npos) << written;
    EXPECT_EQ(Parse(written).preferences.repeatDelayMs, kMaxRepeatDelayMs);
}

// The language: "auto" by default and then not written, so a file of defaults keeps its bytes;
// a code chosen is written under [display] and read back; anything else costs only itself.
TEST(PreferencesFileTest, LanguageIsWrittenOnlyWhenChosen) {
    EXPECT_EQ(WritePreferences(Preferences{}).find("display"), std::string::npos);
    EXPECT_EQ(Parse("").preferences.language, "auto");
    Preferences chosen;
    chosen.language = "pt_BR";
    const std::string written = WritePreferences(chosen);
    EXPECT_NE(written.find("[display]\nlanguage = \"pt_BR\"\n"), std::string::npos) << written;
    EXPECT_EQ(Parse(written).preferences.language, "pt_BR");
    EXPECT_EQ(Parse("[display]\nlanguage = \"auto\"\n").preferences.language, "auto");
    const Parsed bad = Parse("[display]\nlanguage = \"../de\"\ncolour = 1\n");
    EXPECT_EQ(bad.preferences.language, "auto");
    EXPECT_EQ(bad.faults,
              "F: display.colour: is not a setting; it is ignored\nF: display.language: \"../de\" "
              "is neither \"auto\" nor a language code such as \"de\"; the default stands\n");
    EXPECT_EQ(Parse("[display]\nlanguage = 3\n").faults,
              "F: display.language: an integer instead of \"auto\" or a language code; the "
              "default stands\n");
}

// Each fault costs its own entry and says so on one line; every other entry is read.
TEST(PreferencesFileTest, EachFaultCostsOnlyItsEntry) {
    struct Case {
        const char* replaced;
        const char* by;
        const char* fault;
    };
    const Case cases[] = {
        {"music = 5", "music = 11", "F: sound.music: 11 is outside 0 to 10; the default stands\n"},
        {"music = 5", "music = -1", "F: sound.music: -1 is outside 0 to 10; the default stands\n"},
        {"music = 5", "music = 5.0",
         "F: sound.music: a number with a fraction instead of a whole number from 0 to 10; the "
         "default stands\n"},
        {"music = 5", "music = \"5\"",
         "F: sound.music: a string instead of a whole number from 0 to 10; the default stands\n"},
        {"shadow = true", "shadow = 1",
         "F: play.shadow: an integer instead of true or false; the default stands\n"},
        {"handling = \"modern\"", "handling = \"fast\"",
         "F: play.handling: \"fast\" is neither \"classic\" nor \"modern\"; the default "
         "stands\n"},
        {"handling = \"modern\"", "handling = 2",
         "F: play.handling: an integer instead of \"classic\" or \"modern\"; the default stands\n"},
        {"repeat_delay_ms = 120", "repeat_delay_ms = 1001",
         "F: play.repeat_delay_ms: 1001 is outside 0 to 1000; the default stands\n"},
        {"repeat_delay_ms = 120", "repeat_delay_ms = -1",
         "F: play.repeat_delay_ms: -1 is outside 0 to 1000; the default stands\n"},
        {"repeat_interval_ms = 30", "repeat_interval_ms = 9",
         "F: play.repeat_interval_ms: 9 is outside 10 to 1000; the default stands\n"},
        {"repeat_interval_ms = 30", "repeat_interval_ms = 1001",
         "F: play.repeat_interval_ms: 1001 is outside 10 to 1000; the default stands\n"},
        {"repeat_interval_ms = 30", "repeat_interval_ms = true",
         "F: play.repeat_interval_ms: true or false instead of a whole number from 10 to 1000; the "
         "default stands\n"},
        {"window = \"window\"", "window = \"big\"",
         "F: window: \"big\" is neither \"fullscreen\" nor \"window\"; the default stands\n"},
        {"window = \"window\"", "window = true",
         "F: window: true or false instead of \"fullscreen\" or \"window\"; the default stands\n"},
        {"music = 5", "music = 5\nvolume = 3",
         "F: sound.volume: is not a setting; it is ignored\n"},
        {"window = \"window\"", "window = \"window\"\ncolour = 1",
         "F: colour: is not a setting; it is ignored\n"},
        {"music = 5", "music = 5\nmusic = 6",
         "F: line 4: Error while parsing key-value pair: cannot redefine existing integer "
         "'music'; the line is skipped\n"},
        {"music = 5", "music = = 5",
         "F: line 3: Error while parsing value: could not determine value type; the line is "
         "skipped\n"},
        {"left = [\"J\"]", "left = [\"Jay\"]",
         "F: keys.left: no key is named \"Jay\"; the default stands\n"},
        {"left = [\"J\"]", "left = \"J\"",
         "F: keys.left: a string instead of a list of one or two key names; the default stands\n"},
        {"left = [\"J\"]", "left = [\"J\", \"H\", \"G\"]",
         "F: keys.left: a longer list instead of a list of one or two key names; the default "
         "stands\n"},
        {"left = [\"J\"]", "left = [1]",
         "F: keys.left: an integer in place of a key name; the default stands\n"},
        {"left = [\"J\"]", "left = [\"J\"]\njump = [\"H\"]",
         "F: keys.jump: is not an action; it is ignored\n"},
    };
    for (const Case& c : cases) {
        std::string text = kChangedText;
        text.replace(text.find(c.replaced), std::string_view(c.replaced).size(), c.by);
        const Parsed parsed = Parse(text);
        SCOPED_TRACE(c.by);
        EXPECT_EQ(parsed.faults, c.fault);
        // The faulty entry alone went back to its default.
        Preferences expected = ChangedPreferences();
        const std::string entry(c.replaced, std::string_view(c.replaced).find(' '));
        if (entry == "music" && std::string_view(c.by) != "music = 5\nvolume = 3" &&
            std::string_view(c.by) != "music = 5\nmusic = 6") {
            expected.musicLevel = kMaxSoundLevel;
        } else if (entry == "shadow") {
            expected.shadow = false;
        } else if (entry == "handling") {
            expected.handling = Handling::Classic;
        } else if (entry == "repeat_delay_ms") {
            expected.repeatDelayMs = kDefaultRepeatDelayMs;
        } else if (entry == "repeat_interval_ms") {
            expected.repeatIntervalMs = kDefaultRepeatIntervalMs;
        } else if (entry == "window" && std::string_view(c.by).find('\n') == std::string::npos) {
            expected.windowMode = PreferredWindowMode::Fullscreen;
        } else if (entry == "left" && std::string_view(c.by).find('\n') == std::string::npos) {
            expected.keys[static_cast<size_t>(GameAction::Left)] = {VirtualKey::kLeft, kNoKey};
        }
        ExpectSame(parsed.preferences, expected);
    }
}

TEST(PreferencesFileTest, AKeyIsNeverBoundToTwoActions) {
    // Entries are read in name order; a later one that takes a key already bound is refused.
    const Parsed taken = Parse("[keys]\ndrop = [\"Up\"]\nturn = [\"Up\", \"X\"]\n");
    EXPECT_EQ(taken.faults, "F: keys.turn: \"Up\" is bound to drop; the default stands\n");
    const KeyBindings& keys = taken.preferences.keys;
    EXPECT_EQ(keys[static_cast<size_t>(GameAction::Drop)], (ActionKeys{VirtualKey::kUp, kNoKey}));
    // The defaults of the actions not given lose the keys the file gave elsewhere: turn keeps
    // only Z, and turn clockwise keeps X.
    EXPECT_EQ(keys[static_cast<size_t>(GameAction::Turn)], (ActionKeys{'Z', kNoKey}));
    EXPECT_EQ(keys[static_cast<size_t>(GameAction::TurnClockwise)], (ActionKeys{'X', kNoKey}));

    // Names match whatever their letters' case; the same key twice is one key.
    const Parsed named = Parse("[keys]\nleft = [\"keypad 4\", \"KEYPAD 4\"]\n");
    EXPECT_EQ(named.faults, "");
    EXPECT_EQ(named.preferences.keys[static_cast<size_t>(GameAction::Left)],
              (ActionKeys{VirtualKey::kNumpad0 + 4, kNoKey}));
}

TEST(PreferencesFileTest, DamagedTextCostsItsLinesOnly) {
    const Parsed parsed = Parse(
        "[sound\nmusic = 3\n[play]\nshadow = tru\npatterns = true\neffects = \"\xC0\xAF\"\n"
        "[keys]\nleft = [\"A\"\nright = [\"D\"]\n");
    EXPECT_EQ(parsed.faults,
              "F: line 6: is not UTF-8 text; the line is skipped\n"
              "F: line 1: Error while parsing table header: expected ']', saw '\\n'; the line is "
              "skipped\n"
              "F: line 4: Error while parsing boolean: expected 'true', saw 'tru\\n'; the line is "
              "skipped\n"
              "F: line 8: Error while parsing array: encountered end-of-file; the line is skipped\n"
              "F: music: is not a setting; it is ignored\n");
    // The rest is read: a music level that lost its table lands outside any, where it is no
    // setting.
    EXPECT_TRUE(parsed.preferences.patterns);
    EXPECT_FALSE(parsed.preferences.shadow);
    EXPECT_EQ(parsed.preferences.musicLevel, kMaxSoundLevel);
    EXPECT_EQ(parsed.preferences.keys[static_cast<size_t>(GameAction::Right)],
              (ActionKeys{'D', kNoKey}));
    EXPECT_EQ(parsed.preferences.keys[static_cast<size_t>(GameAction::Left)],
              (ActionKeys{VirtualKey::kLeft, kNoKey}));
}

// Points XDG_CONFIG_HOME at a fresh folder for the test's lifetime.
class PreferencesFileOnDiskTest : public testing::Test {
protected:
    void SetUp() override {
        if (const char* previous = std::getenv("XDG_CONFIG_HOME")) {
            previous_ = previous;
        }
        ::setenv("XDG_CONFIG_HOME", home_.Folder().c_str(), 1);
    }
    void TearDown() override {
        if (previous_.empty()) {
            ::unsetenv("XDG_CONFIG_HOME");
        } else {
            ::setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
        }
        GetPreferences() = Preferences{};
        SetKeyBindings(DefaultKeyBindings());
    }

    fs::path Folder() const { return home_.Folder() / "drobix"; }
    fs::path File() const { return Folder() / kFileName; }
    static void Write(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Loads the file, the lines said about it with the folder written as "~".
    std::string Load() const {
        std::ostringstream faults;
        LoadPreferences(faults);
        const std::string text = faults.str();
        const std::string folder = home_.Folder().string();
        std::string result;
        size_t from = 0;
        for (size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, from)) {
            result.append(text, from, at - from).append("~");
            from = at + folder.size();
        }
        return result.append(text, from);
    }

    // Runs body in a child that may do no more than an ordinary user: as root, the child takes
    // nobody's ids after the tree is handed to nobody. True when the child ended normally.
    bool RunUnprivileged(const std::function<void()>& body) const {
        const passwd* nobody = ::getpwnam("nobody");
        const uid_t nobodyId = nobody != nullptr ? nobody->pw_uid : kFallbackNobody;
        if (::geteuid() == 0) {
            for (const auto& entry : fs::recursive_directory_iterator(home_.Folder())) {
                EXPECT_EQ(::lchown(entry.path().c_str(), nobodyId, nobodyId), 0);
            }
            EXPECT_EQ(::chown(home_.Folder().c_str(), nobodyId, nobodyId), 0);
        }
        const pid_t child = ::fork();
        if (child == 0) {
            if (::geteuid() == 0 && (::setgid(nobodyId) != 0 || ::setuid(nobodyId) != 0)) {
                ::_exit(2);
            }
            body();
            ::_exit(0);
        }
        int status = 0;
        return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }

    Testing::TempDataHome home_;
    std::string previous_;
};

TEST_F(PreferencesFileOnDiskTest, TheFileIsLoadedBoundAndSavedOnlyWhenAsked) {
    EXPECT_EQ(Load(), "");
    EXPECT_FALSE(fs::exists(Folder())) << "a missing file is not written at start";
    ExpectSame(GetPreferences(), Preferences{});

    Write(File(), kChangedText);
    ::chmod(File().c_str(), 0640);
    EXPECT_EQ(Load(), "");
    ExpectSame(GetPreferences(), ChangedPreferences());
    EXPECT_EQ(GetKeyBindings(), ChangedPreferences().keys);

    GetPreferences().musicLevel = 7;
    ASSERT_TRUE(SavePreferences());
    EXPECT_EQ(fs::status(File()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(GetPreferences().musicLevel, 7);
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 1);
}

TEST_F(PreferencesFileOnDiskTest, TheOldWindowModeFileIsCarriedOverOnce) {
    Write(Folder() / "window-mode", "window\n");
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(GetPreferences().windowMode, PreferredWindowMode::Window);
    EXPECT_FALSE(fs::exists(Folder() / "window-mode"));
    Preferences expected;
    expected.windowMode = PreferredWindowMode::Window;
    ExpectSame(Parse(Read(File())).preferences, expected);

    // Once the settings file is there, an old file that turns up again is not read.
    Write(Folder() / "window-mode", "fullscreen\n");
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(GetPreferences().windowMode, PreferredWindowMode::Window);
    EXPECT_TRUE(fs::exists(Folder() / "window-mode"));

    // An old file that says nothing we know carries over the default.
    fs::remove(File());
    Write(Folder() / "window-mode", "windowed");
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(GetPreferences().windowMode, PreferredWindowMode::Fullscreen);
    EXPECT_FALSE(fs::exists(Folder() / "window-mode"));
}

TEST_F(PreferencesFileOnDiskTest, WhatIsNotARegularFileIsNeitherReadNorReplaced) {
    fs::create_directories(File());
    EXPECT_EQ(Load(),
              "~/drobix/settings.toml: the file: is not a regular file; every setting takes its "
              "default\n");
    GetPreferences().shadow = true;
    EXPECT_FALSE(SavePreferences());
    EXPECT_TRUE(fs::is_directory(File()));

    fs::remove(File());
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    ::alarm(kHangSeconds);
    EXPECT_EQ(Load(),
              "~/drobix/settings.toml: the file: is not a regular file; every setting takes its "
              "default\n");
    EXPECT_FALSE(SavePreferences());
    ::alarm(0);
    EXPECT_TRUE(fs::is_fifo(File()));
    EXPECT_FALSE(GetPreferences().shadow);

    // A link is followed, read, and stays a link when saved.
    fs::remove(File());
    Write(Folder() / "elsewhere.toml", "[play]\nshadow = true\n");
    fs::create_symlink("elsewhere.toml", File());
    EXPECT_EQ(Load(), "");
    EXPECT_TRUE(GetPreferences().shadow);
    GetPreferences().patterns = true;
    ASSERT_TRUE(SavePreferences());
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_TRUE(Parse(Read(Folder() / "elsewhere.toml")).preferences.patterns);

    // A link that loops.
    fs::remove(File());
    fs::create_symlink("settings.toml", File());
    EXPECT_EQ(Load(),
              "~/drobix/settings.toml: the file: its links loop or cannot be read; every setting "
              "takes its default\n");
    EXPECT_FALSE(SavePreferences());
}

TEST_F(PreferencesFileOnDiskTest, AReadOnlyFileIsReadButNotReplaced) {
    Write(File(), kChangedText);
    ASSERT_EQ(::chmod(File().c_str(), 0444), 0);
    EXPECT_TRUE(RunUnprivileged([this] {
        if (!Load().empty() || GetPreferences().musicLevel != 5) {
            ::_exit(1);
        }
        GetPreferences().musicLevel = 9;
        if (SavePreferences()) {
            ::_exit(1);
        }
    }));
    EXPECT_EQ(Read(File()), kChangedText);
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 1);
}

TEST_F(PreferencesFileOnDiskTest, AnOversizedFileIsNotRead) {
    Write(File(), std::string(64 * 1024 + 1, '#'));
    EXPECT_EQ(Load(),
              "~/drobix/settings.toml: the file: is larger than 64 KiB; every setting takes its "
              "default\n");
    ExpectSame(GetPreferences(), Preferences{});
}

}  // namespace
}  // namespace Drobix

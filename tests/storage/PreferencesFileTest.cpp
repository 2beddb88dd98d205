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

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

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
drop = ["Space", "Keypad 0"]
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
    p.keys[static_cast<size_t>(GameAction::Drop)] = {VirtualKey::kSpace, VirtualKey::kNumpad0};
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
    // Entries are read in the file's order; a later one that takes a key already bound is
    // refused, and the line names both in that order.
    const Parsed taken = Parse("[keys]\ndrop = [\"Up\"]\nturn = [\"Up\", \"X\"]\n");
    EXPECT_EQ(taken.faults,
              "F: keys.turn: \"Up\" is bound to drop before turn; the default stands\n");
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
              "F: line 8: Error while parsing array: it is not closed on this line; the line is "
              "skipped\n"
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

// Leave and Pause always keep a key: an empty list, or every default given to other actions,
// gives back the first default, taken from whoever had it, with one line naming the entry.
TEST(PreferencesFileTest, LeaveAndPauseAlwaysKeepAKey) {
    const Parsed empty = Parse("[keys]\npause = []\nleave = []\n");
    EXPECT_EQ(empty.faults,
              "F: keys.leave: would leave no key to leave; it takes \"Escape\"\n"
              "F: keys.pause: would leave no key to pause; it takes \"P\"\n");
    EXPECT_EQ(empty.preferences.keys[static_cast<size_t>(GameAction::Pause)],
              (ActionKeys{'P', kNoKey}));
    EXPECT_EQ(empty.preferences.keys[static_cast<size_t>(GameAction::Leave)],
              (ActionKeys{VirtualKey::kEscape, kNoKey}));

    const Parsed taken = Parse("[keys]\nleft = [\"P\", \"Escape\"]\nright = [\"Pause\"]\n");
    EXPECT_EQ(taken.faults,
              "F: keys.leave: would leave no key to leave; it takes \"Escape\"\n"
              "F: keys.pause: would leave no key to pause; it takes \"P\"\n");
    const KeyBindings& keys = taken.preferences.keys;
    EXPECT_EQ(keys[static_cast<size_t>(GameAction::Left)], (ActionKeys{kNoKey, kNoKey}));
    EXPECT_EQ(keys[static_cast<size_t>(GameAction::Right)],
              (ActionKeys{VirtualKey::kPause, kNoKey}));
    EXPECT_EQ(keys[static_cast<size_t>(GameAction::Pause)], (ActionKeys{'P', kNoKey}));
    EXPECT_EQ(keys[static_cast<size_t>(GameAction::Leave)],
              (ActionKeys{VirtualKey::kEscape, kNoKey}));
}

// The keys the game keeps for itself are never a play action's; Leave never takes the answers
// to its own question.
TEST(PreferencesFileTest, TheGameOwnKeysAreRefused) {
    const Parsed parsed = Parse(
        "[keys]\ndrop = [\"F11\"]\nturn = [\"Return\"]\nleft = [\"`\"]\nleave = [\"Y\"]\n"
        "pause = [\"n\"]\n");
    EXPECT_EQ(parsed.faults,
              "F: keys.drop: \"F11\" is the game's own key; the default stands\n"
              "F: keys.turn: \"Return\" is the game's own key; the default stands\n"
              "F: keys.left: \"`\" is the game's own key; the default stands\n"
              "F: keys.leave: \"Y\" answers the game's questions; the default stands\n");
    ExpectSame(parsed.preferences, [] {
        Preferences expected;
        expected.keys[static_cast<size_t>(GameAction::Pause)] = {'N', kNoKey};
        return expected;
    }());
}

// Words are words whatever their letters' case, as key names are.
TEST(PreferencesFileTest, WordsAreReadInAnyCase) {
    const Parsed parsed = Parse("window = \"Window\"\n[play]\nhandling = \"MODERN\"\n");
    EXPECT_EQ(parsed.faults, "");
    EXPECT_EQ(parsed.preferences.windowMode, PreferredWindowMode::Window);
    EXPECT_EQ(parsed.preferences.handling, Handling::Modern);
}

// A file with many clashing lines is read in one pass: each clash costs its own line, the first
// of each entry stands.
TEST(PreferencesFileTest, ManyClashesEachCostTheirLine) {
    std::string text = "[sound]\n";
    for (int copy = 0; copy < 1000; ++copy) {
        text += "music = " + std::to_string(copy % 10) + "\n";
    }
    text += "[sound]\neffects = 3\n[play]\nshadow = true\n";
    const Parsed parsed = Parse(text);
    std::istringstream lines(parsed.faults);
    std::string line;
    std::vector<std::string> said;
    while (std::getline(lines, line)) {
        said.push_back(line);
    }
    ASSERT_EQ(said.size(), 1000U);
    EXPECT_EQ(said[0],
              "F: line 3: Error while parsing key-value pair: cannot redefine existing integer "
              "'music'; the line is skipped");
    EXPECT_EQ(said[999],
              "F: line 1002: Error while parsing table header: cannot redefine existing table "
              "'sound'; the line is skipped");
    EXPECT_EQ(parsed.preferences.musicLevel, 0);
    // The header given twice is skipped, so its entry falls into the first [sound].
    EXPECT_EQ(parsed.preferences.effectsLevel, 3);
    EXPECT_TRUE(parsed.preferences.shadow);
}

// Lines damaged at their first characters and plain entries and headers, which are told apart
// without the parser, say what the parser says of them and clash as the parser's lines do.
TEST(PreferencesFileTest, ShortLinesToldWithoutTheParserSayWhatItSays) {
    using namespace std::string_view_literals;
    const Parsed parsed = Parse(
        "[sound]\nmusic = 3\n=\n[\nmusic\nm=\nm\0\nmusic = 4 # again\n  \"Z\",\nwindow = \"w\n"
        "[sound]\n[[list]]\n[[list]]\n[list]\neffects = 2\n"sv);
    EXPECT_EQ(parsed.faults,
              "F: line 3: Error while parsing root table: expected keys, tables, whitespace or "
              "comments, saw '='; the line is skipped\n"
              "F: line 4: Error while parsing key: expected bare key starting character or string "
              "delimiter, saw '\\n'; the line is skipped\n"
              "F: line 5: Error while parsing key-value pair: expected '=', saw '\\n'; the line "
              "is skipped\n"
              "F: line 6: Error while parsing key-value pair: expected value, saw '\\n'; the line "
              "is skipped\n"
              "F: line 7: Error while parsing key-value pair: expected '=', saw '\\u0000'; the "
              "line is skipped\n"
              "F: line 9: Error while parsing key-value pair: expected '=', saw ','; the line is "
              "skipped\n"
              "F: line 10: Error while parsing string: unescaped control characters other than "
              "TAB (U+0009) are explicitly prohibited; the line is skipped\n"
              "F: line 8: Error while parsing key-value pair: cannot redefine existing integer "
              "'music'; the line is skipped\n"
              "F: line 11: Error while parsing table header: cannot redefine existing table "
              "'sound'; the line is skipped\n"
              "F: line 14: Error while parsing table header: cannot redefine existing array "
              "'list'; the line is skipped\n"
              "F: list: is not a setting; it is ignored\n");
    EXPECT_EQ(parsed.preferences.musicLevel, 3);
    // The refused [list] leaves its entry in the list's last table, where it is no setting.
    EXPECT_EQ(parsed.preferences.effectsLevel, kMaxSoundLevel);
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
    // The names in the settings folder, in order: the file and the lock beside it, and nothing
    // a save left half-done.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
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
    EXPECT_EQ(Entries(), (std::vector<std::string>{"settings.toml", "settings.toml.lock"}));
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
              "default, and the file is not written over\n");
    GetPreferences().shadow = true;
    EXPECT_FALSE(SavePreferences());
    EXPECT_TRUE(fs::is_directory(File()));

    fs::remove(File());
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    ::alarm(kHangSeconds);
    EXPECT_EQ(Load(),
              "~/drobix/settings.toml: the file: is not a regular file; every setting takes its "
              "default, and the file is not written over\n");
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
              "takes its default, and the file is not written over\n");
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
    EXPECT_EQ(Entries(), (std::vector<std::string>{"settings.toml", "settings.toml.lock"}));
}

TEST_F(PreferencesFileOnDiskTest, AnOversizedFileIsNotRead) {
    Write(File(), std::string(64 * 1024 + 1, '#'));
    EXPECT_EQ(Load(),
              "~/drobix/settings.toml: the file: is larger than 64 KiB; every setting takes its "
              "default, and the file is not written over\n");
    ExpectSame(GetPreferences(), Preferences{});
}

// A change writes back the file as the person left it, with only that value changed; a link
// to it is followed and its target changed.
TEST_F(PreferencesFileOnDiskTest, AChangeEditsTheFileAsThePersonLeftIt) {
    const std::string text =
        "# Mine: do not lose this comment.\n\n[play]\nshadow = tru  # damaged\npatterns = true\n"
        "[sound]\nmusic = 4   # evenings\nvolume = 3\n";
    Write(Folder() / "dotfiles" / "drobix.toml", text);
    fs::create_symlink("dotfiles/drobix.toml", File());
    Load();
    GetPreferences().musicLevel = 6;
    ASSERT_TRUE(SavePreferences());
    EXPECT_TRUE(fs::is_symlink(File()));
    std::string expected = text;
    expected.replace(expected.find("music = 4"), 9, "music = 6");
    EXPECT_EQ(Read(Folder() / "dotfiles" / "drobix.toml"), expected);

    // A setting that was not there is added to its table; a table that was not, at the end.
    GetPreferences().shadow = true;
    GetPreferences().keys[static_cast<size_t>(GameAction::Drop)] = {'B', kNoKey};
    ASSERT_TRUE(SavePreferences());
    EXPECT_EQ(Read(File()),
              "# Mine: do not lose this comment.\n\n[play]\nshadow = tru  # damaged\n"
              "patterns = true\nshadow = true\n[sound]\nmusic = 6   # evenings\nvolume = 3\n\n"
              "[keys]\ndrop = [ \"B\" ]\n");
    EXPECT_EQ(Load(),
              "~/drobix/settings.toml: line 4: Error while parsing boolean: expected 'true', saw "
              "'tru '; the line is skipped\n"
              "~/drobix/settings.toml: sound.volume: is not a setting; it is ignored\n");
    EXPECT_TRUE(GetPreferences().shadow);
}

// A file the game refused as a whole stays as it is, whatever changes on screen; the game says
// so once, and the screens say so.
TEST_F(PreferencesFileOnDiskTest, ARefusedFileIsNeverWrittenOver) {
    std::ostringstream told;
    Testing::SetPreferencesSaveReport(&told);
    const std::string large = "# " + std::string(64 * 1024, 'x') + "\n[play]\nshadow = true\n";
    const std::string notSettings =
        "root:x:0:0:root:/root:/bin/bash\n\x7F"
        "ELF\x02\x01\n";
    for (const std::string& text : {large, notSettings}) {
        SCOPED_TRACE(text.substr(0, 8));
        Write(Folder() / "elsewhere", text);
        fs::remove(File());
        fs::create_symlink("elsewhere", File());
        const std::string said = Load();
        EXPECT_NE(
            said.find("; every setting takes its default, and the file is not written over\n"),
            std::string::npos)
            << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        GetPreferences().shadow = !GetPreferences().shadow;
        EXPECT_FALSE(SavePreferences());
        EXPECT_FALSE(SavePreferences());
        EXPECT_EQ(Read(Folder() / "elsewhere"), text);
        EXPECT_EQ(PreferencesFileProblem().kind, PreferencesProblem::Kind::NotRead);
    }
    EXPECT_EQ(told.str(), "");
    Testing::SetPreferencesSaveReport(nullptr);
}

// A failed save says why on standard error, naming the file, and on the screens until a save
// succeeds.
TEST_F(PreferencesFileOnDiskTest, AFailedSaveIsToldUntilOneSucceeds) {
    Write(File(), kChangedText);
    ASSERT_EQ(::chmod(File().c_str(), 0444), 0);
    const std::string path = File().string();
    EXPECT_TRUE(RunUnprivileged([&path, this] {
        std::ostringstream told;
        Testing::SetPreferencesSaveReport(&told);
        Load();
        GetPreferences().musicLevel = 9;
        const bool failed = !SavePreferences();
        const bool said = told.str() == path + ": could not save the settings: Permission denied\n";
        const PreferencesProblem problem = PreferencesFileProblem();
        const bool shown = problem.kind == PreferencesProblem::Kind::NotSaved &&
                           problem.reason == "Permission denied";
        ::chmod(path.c_str(), 0644);
        const bool saved = SavePreferences();
        if (!failed || !said || !shown || !saved ||
            PreferencesFileProblem().kind != PreferencesProblem::Kind::None) {
            ::_exit(1);
        }
    }));
    std::string expected = kChangedText;
    expected.replace(expected.find("music = 5"), 9, "music = 9");
    EXPECT_EQ(Read(File()), expected);
}

// What a save killed half-way left is removed at the next start: only the game's own pattern
// beside the file, never another name.
TEST_F(PreferencesFileOnDiskTest, AKilledSaveLeavesNothingBehind) {
    Write(File(), "[play]\nshadow = true\n");
    for (const char* name : {"settings.toml.Ab3xY9", "settings.toml.bak", "settings.toml.Ab3xY",
                             "other.toml.Ab3xY9"}) {
        Write(Folder() / name, "left");
    }
    fs::create_directory(Folder() / "settings.toml.Zz9Zz9");
    Load();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"other.toml.Ab3xY9", "settings.toml",
                                                   "settings.toml.Ab3xY", "settings.toml.Zz9Zz9",
                                                   "settings.toml.bak", "settings.toml.lock"}));

    // Saves killed at any moment: nothing of theirs is left once the game starts again.
    constexpr int kKills = 25;
    int leftAtOnce = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int level = 0;; level = (level + 1) % (kMaxSoundLevel + 1)) {
                GetPreferences().musicLevel = level;
                SavePreferences();
            }
        }
        ::usleep(2000 + 1000 * (kill % 7));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        leftAtOnce += static_cast<int>(Entries().size()) - 6;
    }
    Load();
    EXPECT_EQ(Entries().size(), 6U);
    std::cout << "kills " << kKills << ", files left at once " << leftAtOnce
              << ", after the next start " << Entries().size() - 6 << "\n";
}

// Two copies changing different settings: each writes only its own changes into the file as the
// other left it, so no change of either is lost, in turn or at once.
class TwoCopiesTest : public PreferencesFileOnDiskTest {
protected:
    static constexpr int kChanges = 200;

    // One copy: loads the file, then changes its level kChanges times, checking before each
    // change that the file still holds its last one. Waits on turns, when given, before each
    // change and passes the turn on after it. Exits with the changes it found lost.
    static void RunCopy(bool music, int waitTurn, int passTurn) {
        std::ostringstream faults;
        LoadPreferences(faults);
        int lost = 0;
        int last = music ? GetPreferences().musicLevel : GetPreferences().effectsLevel;
        for (int change = 1; change <= kChanges; ++change) {
            char turn = 0;
            if (waitTurn >= 0 && ::read(waitTurn, &turn, 1) != 1) {
                ::_exit(255);
            }
            std::ostringstream ignored;
            const Preferences stored = ParsePreferences(ReadFile(), "F", ignored);
            lost += (music ? stored.musicLevel : stored.effectsLevel) != last ? 1 : 0;
            last = change % (kMaxSoundLevel + 1);
            (music ? GetPreferences().musicLevel : GetPreferences().effectsLevel) = last;
            if (!SavePreferences()) {
                ::_exit(254);
            }
            if (passTurn >= 0 && ::write(passTurn, &turn, 1) != 1) {
                ::_exit(253);
            }
        }
        ::_exit(std::min(lost, 200));
    }

    static std::string ReadFile() {
        const auto path = PreferencesFilePath();
        return path ? Read(*path) : std::string();
    }

    static int Status(pid_t child) {
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Runs the two copies, in turn or at once; what each found lost.
    std::pair<int, int> Run(bool inTurn) {
        std::array<int, 2> toMusic{-1, -1};
        std::array<int, 2> toEffects{-1, -1};
        if (inTurn) {
            EXPECT_EQ(::pipe(toMusic.data()), 0);
            EXPECT_EQ(::pipe(toEffects.data()), 0);
        }
        const pid_t music = ::fork();
        if (music == 0) {
            RunCopy(true, toMusic[0], toEffects[1]);
        }
        const pid_t effects = ::fork();
        if (effects == 0) {
            RunCopy(false, toEffects[0], toMusic[1]);
        }
        if (inTurn) {
            const char turn = 1;
            EXPECT_EQ(::write(toMusic[1], &turn, 1), 1);
        }
        const std::pair<int, int> lost{Status(music), Status(effects)};
        for (const int fd : {toMusic[0], toMusic[1], toEffects[0], toEffects[1]}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
        return lost;
    }

    void ExpectEveryChangeKept(bool inTurn) {
        Write(File(), "# shared by two copies\n[sound]\nmusic = 0\neffects = 0\n");
        const auto [musicLost, effectsLost] = Run(inTurn);
        EXPECT_EQ(musicLost, 0);
        EXPECT_EQ(effectsLost, 0);
        const int last = kChanges % (kMaxSoundLevel + 1);
        EXPECT_EQ(Read(File()), "# shared by two copies\n[sound]\nmusic = " + std::to_string(last) +
                                    "\neffects = " + std::to_string(last) + "\n");
        std::cout << (inTurn ? "in turn" : "at once") << ": music kept " << kChanges - musicLost
                  << " of " << kChanges << ", effects kept " << kChanges - effectsLost << " of "
                  << kChanges << "\n";
    }
};

TEST_F(TwoCopiesTest, ChangesInTurnAreAllKept) {
    ExpectEveryChangeKept(true);
}

TEST_F(TwoCopiesTest, ChangesAtOnceAreAllKept) {
    ExpectEveryChangeKept(false);
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The script language:
//   frame MS [KEY ...]     the clock advances by MS, exactly these keys (and pad buttons) are
//                          held, one pass runs
//   frames N MS [KEY ...]  N such passes
//   seed N                 the shared random generator's state (a run starts from seed 1, so
//                          that the menu backdrop built before the first line is the same
//                          in every run)
//   screen N               SwitchScreen (N)
//   shot FILE              the last presented frame as an 800 x 600 RGB PNG
//   focus on|off           the program becomes active or inactive; going inactive is a lost
//                          focus for the current screen, which pauses a game
//   pad on|off             a pad is plugged in or pulled out (none at the start); while it is
//                          in, the PAD_ names among a frame's keys are its buttons held
//   loss                   every surface is lost
//   state, board, highscores, settings, sounds   print what the program holds
//   setting NAME VALUE     a preference beyond the data file's options, in memory only:
//                          shadow on|off, patterns on|off, music 0..10, effects 0..10 (the sound
//                          levels are applied to what is playing at once), handling
//                          classic|modern, repeat_delay_ms 0..1000, repeat_interval_ms 10..1000,
//                          language auto|en|CODE|pseudo (a catalogue's code such as de, another
//                          code giving English; pseudo: every text accented, a third longer),
//                          applied at once
//   textfit                "textfit ok" when every text of the last pass lies within the screen,
//                          within its panel, clear of the panels in it and of other texts there;
//                          else a "textfit: " line for each fault
//   type TEXT              TEXT (UTF-8, no spaces) arrives as an input method's typing would,
//                          taken only while the name entry types in the modern handling; keys
//                          that go down in a frame type too, in the order the frame names them
//   shadow                 "shadow row=N column=N", where the landing shadow is drawn, or
//                          "shadow none" while it is off or no block falls
//   datafile               the data file's size and bytes as it stands on disk now
//   quit                   the quit event; the loop ends and shutdown runs
//   displaylost            the display goes away: the program saves as it does before it ends
//                          at once, and the script ends there (shutdown runs, as the test
//                          process must go on)
//   startup                one pass of 16 ms, then the start-up figure: the time from process
//                          start to that first presented frame, the time that decoding every
//                          picture and sound loaded by then takes on its own, and their ratio
//                          (as the first command it measures start-up to the main menu)
//   memory                 "memory rss_kb=N peak_kb=N heap_kb=N": the process's resident
//                          memory now and at its highest so far, and the heap in use
//   preferences            the player's settings held now: window mode, sound levels, shadow,
//                          patterns, the handling's settings where not at their defaults, then
//                          each action's keys by their names in the settings file
//   settingsfile           the settings file's size and text as it stands on disk now;
//                          "settingsfile PATH: the file: is not a regular file" for a folder,
//                          a FIFO or the like, which is never opened
//   loadsettings           reads the settings file again as start-up does, printing a line for
//                          each fault (the configuration folder written as $XDG_CONFIG_HOME)
//   # comment; blank lines are ignored
// KEY: LEFT RIGHT UP DOWN SPACE ESC ENTER BACKSPACE HOME END SHIFT CAPSLOCK GRAVE PAUSE DELETE,
// A..Z, 0..9, or 0xNN; a pad's buttons: PAD_A PAD_B PAD_X PAD_Y PAD_BACK PAD_START PAD_LB PAD_RB
// PAD_UP PAD_DOWN PAD_LEFT PAD_RIGHT (the last four the D-pad).
// A run starts with the settings file read as the game reads it at start-up; its faults go to
// standard error.
#include "ReplayScript.h"
#include "ReplayTextFit.h"
#include "app/LanguageChoice.h"
#include "graphics/LayoutRecord.h"

#include <charconv>
#include <chrono>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "ReplayFigures.h"
#include "ReplayPreferences.h"
#include "ReplayReport.h"
#include "app/MainLoop.h"
#include "app/MainLoopTesting.h"
#include "app/Startup.h"
#include "game/Random.h"
#include "platform/Events.h"
#include "platform/Keyboard.h"
#include "platform/scripted/ClockScripted.h"
#include "platform/scripted/DisplayLossScripted.h"
#include "platform/scripted/KeyboardScripted.h"
#include "platform/scripted/PresenterScripted.h"
#include "sound/Sound.h"
#include "storage/Preferences.h"
#include "storage/PreferencesFile.h"

namespace Drobix::Replay {

namespace {

constexpr uint32_t kStartTimeMs = 1000;
constexpr uint32_t kStartSeed = 1;
constexpr uint32_t kStartupFrameMs = 16;

// Taken while the program is initialised, before main runs: the start of the start-up figure.
const auto processStart = std::chrono::steady_clock::now();

struct NamedKey {
    std::string_view name;
    int virtualKey;
};

constexpr NamedKey kNamedKeys[] = {
    {"LEFT", Platform::VirtualKey::kLeft},     {"RIGHT", Platform::VirtualKey::kRight},
    {"UP", Platform::VirtualKey::kUp},         {"DOWN", Platform::VirtualKey::kDown},
    {"SPACE", Platform::VirtualKey::kSpace},   {"ESC", Platform::VirtualKey::kEscape},
    {"ENTER", Platform::VirtualKey::kEnter},   {"BACKSPACE", Platform::VirtualKey::kBackspace},
    {"HOME", Platform::VirtualKey::kHome},     {"END", Platform::VirtualKey::kEnd},
    {"SHIFT", Platform::VirtualKey::kShift},   {"CAPSLOCK", Platform::VirtualKey::kCapsLock},
    {"GRAVE", Platform::VirtualKey::kGrave},   {"PAUSE", Platform::VirtualKey::kPause},
    {"DELETE", Platform::VirtualKey::kDelete},
};

struct NamedButton {
    std::string_view name;
    Platform::PadButton button;
};

constexpr NamedButton kNamedButtons[] = {
    {"PAD_A", Platform::PadButton::A},
    {"PAD_B", Platform::PadButton::B},
    {"PAD_X", Platform::PadButton::X},
    {"PAD_Y", Platform::PadButton::Y},
    {"PAD_BACK", Platform::PadButton::Back},
    {"PAD_START", Platform::PadButton::Start},
    {"PAD_LB", Platform::PadButton::LeftShoulder},
    {"PAD_RB", Platform::PadButton::RightShoulder},
    {"PAD_UP", Platform::PadButton::DpadUp},
    {"PAD_DOWN", Platform::PadButton::DpadDown},
    {"PAD_LEFT", Platform::PadButton::DpadLeft},
    {"PAD_RIGHT", Platform::PadButton::DpadRight},
};

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text, int base = 10) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseKey(std::string_view name) {
    for (const NamedKey& key : kNamedKeys) {
        if (key.name == name) {
            return key.virtualKey;
        }
    }
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
        return name[0];
    }
    if (name.size() == 4 && name.starts_with("0x")) {
        return ParseNumber<int>(name.substr(2), 16);
    }
    return std::nullopt;
}

// A screen a script may switch to: 1 (intro) .. 4 (game), 5 (settings), 6 (controls); 0, none,
// is not one.
std::optional<ScreenNumber> ParseScreen(std::string_view text) {
    const auto number = ParseNumber<int>(text);
    if (!number || *number < static_cast<int>(ScreenNumber::Intro) ||
        *number > static_cast<int>(ScreenNumber::Controls)) {
        return std::nullopt;
    }
    return static_cast<ScreenNumber>(*number);
}

// What a frame holds: keys of the keyboard and buttons of the pad.
struct Held {
    std::vector<int> keys;
    Platform::GamepadState pad;
};

std::optional<Platform::PadButton> ParseButton(std::string_view name) {
    for (const NamedButton& button : kNamedButtons) {
        if (button.name == name) {
            return button.button;
        }
    }
    return std::nullopt;
}

std::optional<Held> ParseHeld(const std::vector<std::string>& words, size_t first) {
    Held held;
    for (size_t i = first; i < words.size(); ++i) {
        if (const auto button = ParseButton(words[i])) {
            held.pad.Press(*button);
            continue;
        }
        const auto key = ParseKey(words[i]);
        if (!key) {
            return std::nullopt;
        }
        held.keys.push_back(*key);
    }
    return held;
}

std::vector<std::string> SplitWords(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

// "auto", "en", a catalogue's code such as "pt_BR", or the pseudo-translation.
constexpr size_t kLongestLanguageSetting = 8;
constexpr std::string_view kPseudoLanguage = "pseudo";

std::optional<bool> ParseSwitch(std::string_view text) {
    if (text == "on" || text == "off") {
        return text == "on";
    }
    return std::nullopt;
}

std::optional<int> ParseSoundLevel(std::string_view text) {
    const auto level = ParseNumber<int>(text);
    if (!level || *level < kMinSoundLevel || *level > kMaxSoundLevel) {
        return std::nullopt;
    }
    return level;
}

std::optional<int> ParseBounded(std::string_view text, int least, int most) {
    const auto number = ParseNumber<int>(text);
    if (!number || *number < least || *number > most) {
        return std::nullopt;
    }
    return number;
}

// The handling's settings, by the names the settings file uses.
bool SetHandlingPreference(std::string_view name, std::string_view value) {
    Preferences& preferences = GetPreferences();
    if (name == "handling") {
        if (value != "classic" && value != "modern") {
            return false;
        }
        preferences.handling = value == "modern" ? Handling::Modern : Handling::Classic;
        return true;
    }
    const bool delay = name == "repeat_delay_ms";
    const auto number = delay ? ParseBounded(value, kMinRepeatDelayMs, kMaxRepeatDelayMs)
                              : ParseBounded(value, kMinRepeatIntervalMs, kMaxRepeatIntervalMs);
    if (!number || (!delay && name != "repeat_interval_ms")) {
        return false;
    }
    (delay ? preferences.repeatDelayMs : preferences.repeatIntervalMs) = *number;
    return true;
}

// The settings a script may change, by the names the settings screen and file use.
bool SetPreference(std::string_view name, std::string_view value) {
    Preferences& preferences = GetPreferences();
    if (name == "language") {
        if (value.empty() || value.size() > kLongestLanguageSetting) {
            return false;
        }
        preferences.language = value;
        ApplyLanguageChoice();
        if (value == kPseudoLanguage) {
            Replay::UsePseudoTranslation();
        }
        return true;
    }
    if (name == "shadow" || name == "patterns") {
        const std::optional<bool> on = ParseSwitch(value);
        if (!on) {
            return false;
        }
        (name == "shadow" ? preferences.shadow : preferences.patterns) = *on;
        return true;
    }
    if (name == "music" || name == "effects") {
        const std::optional<int> level = ParseSoundLevel(value);
        if (!level) {
            return false;
        }
        (name == "music" ? preferences.musicLevel : preferences.effectsLevel) = *level;
        ApplySoundLevels();
        return true;
    }
    return SetHandlingPreference(name, value);
}

enum class Outcome { Continue, Ended, Malformed };

class Runner {
public:
    Runner(std::ostream& out) : out_(out) {}

    Outcome Run(const std::vector<std::string>& words) {
        const std::string& command = words[0];
        if (command == "frame" || command == "frames") {
            return RunFrames(words, command == "frames");
        }
        if (command == "setting") {
            return words.size() == 3 ? RunSetting(words[1], words[2]) : Outcome::Malformed;
        }
        if (words.size() == 2) {
            return RunWithArgument(command, words[1]);
        }
        if (words.size() == 1) {
            return RunPlain(command);
        }
        return Outcome::Malformed;
    }

private:
    Outcome RunFrames(const std::vector<std::string>& words, bool repeated) {
        const size_t timeIndex = repeated ? 2 : 1;
        if (words.size() <= timeIndex) {
            return Outcome::Malformed;
        }
        const auto count = repeated ? ParseNumber<unsigned>(words[1]) : std::optional<unsigned>(1);
        const auto milliseconds = ParseNumber<uint32_t>(words[timeIndex]);
        const auto held = ParseHeld(words, timeIndex + 1);
        if (!count || !milliseconds || !held) {
            return Outcome::Malformed;
        }
        for (unsigned i = 0; i < *count; ++i) {
            Testing::ClearLayoutRecord();
            Platform::Scripted::AdvanceTimeMs(*milliseconds);
            Platform::Scripted::SetKeysDown(held->keys);
            Platform::Scripted::SetPadState(held->pad);
            if (!RunMainLoopPass()) {
                return Outcome::Ended;
            }
        }
        return Outcome::Continue;
    }

    static Outcome RunSetting(const std::string& name, const std::string& value) {
        return SetPreference(name, value) ? Outcome::Continue : Outcome::Malformed;
    }

    Outcome RunWithArgument(const std::string& command, const std::string& argument) {
        if (command == "seed") {
            const auto seed = ParseNumber<uint32_t>(argument);
            if (!seed) {
                return Outcome::Malformed;
            }
            SeedRandom(*seed);
        } else if (command == "screen") {
            const auto screen = ParseScreen(argument);
            if (!screen) {
                return Outcome::Malformed;
            }
            SwitchScreen(*screen);
        } else if (command == "shot") {
            Platform::Scripted::WriteLastFrameAsPng(argument);
        } else if (command == "focus" && (argument == "on" || argument == "off")) {
            Testing::SetApplicationActive(argument == "on");
        } else if (command == "pad" && (argument == "on" || argument == "off")) {
            Platform::Scripted::SetPadConnected(argument == "on");
        } else if (command == "type") {
            Platform::Scripted::TypeText(argument);
        } else {
            return Outcome::Malformed;
        }
        return Outcome::Continue;
    }

    Outcome RunPlain(const std::string& command) {
        if (command == "quit") {
            Platform::PostQuit();
            while (RunMainLoopPass()) {
            }
            return Outcome::Ended;
        }
        if (command == "displaylost") {
            Platform::Scripted::LoseDisplay();
            return Outcome::Ended;
        }
        if (command == "startup") {
            Platform::Scripted::AdvanceTimeMs(kStartupFrameMs);
            const bool running = RunMainLoopPass();
            PrintStartupFigure(out_, std::chrono::steady_clock::now() - processStart);
            return running ? Outcome::Continue : Outcome::Ended;
        }
        if (command == "memory") {
            PrintMemory(out_);
            return Outcome::Continue;
        }
        if (command == "loss") {
            Platform::Scripted::LoseSurfaces();
        } else if (command == "state") {
            PrintState(out_);
        } else if (command == "board") {
            PrintBoard(out_);
        } else if (command == "highscores") {
            PrintHighScores(out_);
        } else if (command == "settings") {
            PrintSettings(out_);
        } else if (command == "sounds") {
            PrintSounds(out_);
        } else if (command == "shadow") {
            PrintShadow(out_);
        } else if (command == "textfit") {
            Replay::PrintTextFit(out_);
        } else if (command == "datafile") {
            PrintDataFile(out_);
        } else if (!RunPreferencesCommand(command)) {
            return Outcome::Malformed;
        }
        return Outcome::Continue;
    }

    // The commands about the player's settings file; false for any other.
    bool RunPreferencesCommand(const std::string& command) {
        if (command == "preferences") {
            PrintPreferences(out_);
        } else if (command == "settingsfile") {
            PrintPreferencesFile(out_);
        } else if (command == "loadsettings") {
            ReloadPreferences(out_);
        } else {
            return false;
        }
        return true;
    }

    std::ostream& out_;
};

bool IsBlankOrComment(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
}

}  // namespace

int RunScript(std::istream& script, std::ostream& out, std::ostream& errors) {
    Platform::Scripted::SetTimeMs(kStartTimeMs);
    RecordDecodedSounds();
    LoadPreferences(errors);
    // Replays do not read the environment: the language is the settings file's, else English.
    ApplyLanguageChoice(nullptr);
    if (!InitialiseGame()) {
        errors << "drobix-replay: start-up failed\n";
        ShutdownGame();
        return kExitMalformedScript;
    }
    // The game screen's construction seeded the generator with the time of day.
    SeedRandom(kStartSeed);
    SwitchScreen(ScreenNumber::Intro);
    Testing::SetApplicationActive(true);

    Testing::RecordLayout(true);
    Runner runner(out);
    Outcome outcome = Outcome::Continue;
    int lineNumber = 0;
    for (std::string line; outcome == Outcome::Continue && std::getline(script, line);) {
        ++lineNumber;
        if (IsBlankOrComment(line)) {
            continue;
        }
        outcome = runner.Run(SplitWords(line));
    }
    if (outcome == Outcome::Malformed) {
        errors << "drobix-replay: line " << lineNumber << " is not a command it knows\n";
        ShutdownGame();
        return kExitMalformedScript;
    }
    if (outcome == Outcome::Continue) {
        Platform::PostQuit();
        while (RunMainLoopPass()) {
        }
    }
    ShutdownGame();
    return kExitOk;
}

}  // namespace Drobix::Replay

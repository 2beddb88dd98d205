// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/PreferencesFile.h"

#include <toml++/toml.h>
#include <algorithm>
#include <cstdint>
#include <ostream>
#include <span>
#include <sstream>
#include <vector>

#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/Keyboard.h"
#include "storage/SettingsFile.h"

namespace Drobix {

namespace {

constexpr std::string_view kFileName = "/settings.toml";
// The file this one replaced: one word, "fullscreen" or "window".
constexpr std::string_view kOldWindowModeFileName = "/window-mode";
constexpr size_t kMaxOldWindowModeBytes = 16;
// A settings file is a few hundred bytes; a larger one is not ours.
constexpr size_t kMaxFileBytes = 64 * 1024;

constexpr std::string_view kFullscreenText = "fullscreen";
constexpr std::string_view kWindowText = "window";

constexpr std::string_view kClassicText = "classic";
constexpr std::string_view kModernText = "modern";
constexpr std::string_view kHandlingKey = "handling";
constexpr std::string_view kRepeatDelayKey = "repeat_delay_ms";
constexpr std::string_view kRepeatIntervalKey = "repeat_interval_ms";

constexpr std::string_view kDefaultStands = "; the default stands";

// Tells of one fault: the file, the entry and what was wrong, on one line.
class FaultReport {
public:
    FaultReport(std::string_view fileName, std::ostream& out) : fileName_(fileName), out_(out) {}

    void operator()(std::string_view entry, std::string_view fault,
                    std::string_view outcome = kDefaultStands) const {
        out_ << fileName_ << ": " << entry << ": " << fault << outcome << '\n';
    }

private:
    std::string_view fileName_;
    std::ostream& out_;
};

// A path and a name appended to it.
std::string Joined(std::string path, std::string_view name) {
    path.append(name);
    return path;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        // Control characters would break the one line a fault takes.
        quoted += static_cast<unsigned char>(c) < ' ' ? '?' : c;
    }
    return quoted + "\"";
}

std::string_view TypeName(const toml::node& node) {
    switch (node.type()) {
        case toml::node_type::table:
            return "a table";
        case toml::node_type::array:
            return "a list";
        case toml::node_type::string:
            return "a string";
        case toml::node_type::integer:
            return "an integer";
        case toml::node_type::floating_point:
            return "a number with a fraction";
        case toml::node_type::boolean:
            return "true or false";
        case toml::node_type::date:
        case toml::node_type::time:
        case toml::node_type::date_time:
            return "a date or time";
        case toml::node_type::none:
            break;
    }
    return "nothing";
}

// The text's lines, each without its line end.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', start)) {
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text.append(line).append("\n");
    }
    return text;
}

// Whether the bytes are UTF-8, as TOML asks, with no overlong forms or surrogates.
bool IsUtf8(std::string_view text) {
    constexpr unsigned kContinuationMask = 0xC0;
    constexpr unsigned kContinuation = 0x80;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        unsigned lowest = 0;
        if (lead < 0x80) {
            length = 1;
        } else if ((lead & 0xE0U) == 0xC0) {
            length = 2;
            lowest = 0x80;
        } else if ((lead & 0xF0U) == 0xE0) {
            length = 3;
            lowest = 0x800;
        } else if ((lead & 0xF8U) == 0xF0) {
            length = 4;
            lowest = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        unsigned code = length == 1 ? lead : lead & (0x7FU >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & kContinuationMask) != kContinuation) {
                return false;
            }
            code = (code << 6U) | (next & 0x3FU);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

// A parser's message on the one line a fault takes.
std::string OnOneLine(std::string_view text) {
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            line += "\\n";
        } else {
            line += static_cast<unsigned char>(c) < ' ' ? '?' : c;
        }
    }
    return line;
}

// The document, each line that is not UTF-8 or not TOML left out, so that a damaged line costs
// only the entries on it.
toml::table ParseSkippingDamagedLines(std::string_view text, std::string_view fileName,
                                      const FaultReport& report) {
    std::vector<std::string> lines = SplitLines(text);
    for (size_t index = 0; index < lines.size(); ++index) {
        if (!IsUtf8(lines[index])) {
            report("line " + std::to_string(index + 1), "is not UTF-8 text",
                   "; the line is skipped");
            lines[index].clear();
        }
    }
    try {
        return toml::parse(JoinLines(lines), fileName);
    } catch (const toml::parse_error&) {
        // Damaged: each line is looked at on its own, below.
    }
    // A line that is no TOML even on its own is damaged wherever it stands. (A list spread over
    // several lines is lost with it: only a damaged file is read line by line.)
    for (size_t index = 0; index < lines.size(); ++index) {
        try {
            static_cast<void>(toml::parse(JoinLines({lines[index]}), fileName));
        } catch (const toml::parse_error& error) {
            report("line " + std::to_string(index + 1), OnOneLine(error.description()),
                   "; the line is skipped");
            lines[index].clear();
        }
    }
    // What is left fails only where lines clash, such as an entry given twice.
    for (size_t attempt = 0; attempt <= lines.size(); ++attempt) {
        try {
            return toml::parse(JoinLines(lines), fileName);
        } catch (const toml::parse_error& error) {
            size_t line = error.source().begin.line;
            if (line == 0 || line > lines.size()) {
                report("the file", OnOneLine(error.description()),
                       "; every setting takes its default");
                return {};
            }
            // A fault found at the end of a line already left out lies on the next one.
            while (line < lines.size() && lines[line - 1].empty()) {
                ++line;
            }
            report("line " + std::to_string(line), OnOneLine(error.description()),
                   "; the line is skipped");
            lines[line - 1].clear();
        }
    }
    return {};
}

void ReadWindowMode(const toml::node& node, const FaultReport& report, Preferences& result) {
    const auto text = node.value<std::string>();
    if (!text) {
        report("window", std::string(TypeName(node)) + " instead of \"fullscreen\" or \"window\"");
    } else if (*text == kFullscreenText) {
        result.windowMode = PreferredWindowMode::Fullscreen;
    } else if (*text == kWindowText) {
        result.windowMode = PreferredWindowMode::Window;
    } else {
        report("window", Quoted(*text) + " is neither \"fullscreen\" nor \"window\"");
    }
}

// A whole number from least to most; anything else keeps the default.
void ReadWholeNumber(const toml::node& node, const std::string& entry, int least, int most,
                     const FaultReport& report, int& number) {
    const std::string range = std::to_string(least) + " to " + std::to_string(most);
    if (!node.is_integer()) {
        report(entry, std::string(TypeName(node)) + " instead of a whole number from " + range);
        return;
    }
    const int64_t value = node.as_integer()->get();
    if (value < least || value > most) {
        report(entry, std::to_string(value) + " is outside " + range);
        return;
    }
    number = static_cast<int>(value);
}

void ReadLevel(const toml::node& node, const std::string& entry, const FaultReport& report,
               int& level) {
    ReadWholeNumber(node, entry, kMinSoundLevel, kMaxSoundLevel, report, level);
}

void ReadHandling(const toml::node& node, const std::string& entry, const FaultReport& report,
                  Handling& handling) {
    const auto text = node.value<std::string>();
    if (!text) {
        report(entry, std::string(TypeName(node)) + " instead of \"classic\" or \"modern\"");
    } else if (*text == kClassicText) {
        handling = Handling::Classic;
    } else if (*text == kModernText) {
        handling = Handling::Modern;
    } else {
        report(entry, Quoted(*text) + " is neither \"classic\" nor \"modern\"");
    }
}

void ReadFlag(const toml::node& node, const std::string& entry, const FaultReport& report,
              bool& flag) {
    if (!node.is_boolean()) {
        report(entry, std::string(TypeName(node)) + " instead of true or false");
        return;
    }
    flag = node.as_boolean()->get();
}

void ReadSound(const toml::table& table, const FaultReport& report, Preferences& result) {
    for (const auto& [key, node] : table) {
        const std::string entry = "sound." + std::string(key.str());
        if (key.str() == "music") {
            ReadLevel(node, entry, report, result.musicLevel);
        } else if (key.str() == "effects") {
            ReadLevel(node, entry, report, result.effectsLevel);
        } else {
            report(entry, "is not a setting", "; it is ignored");
        }
    }
}

void ReadPlay(const toml::table& table, const FaultReport& report, Preferences& result) {
    for (const auto& [key, node] : table) {
        const std::string entry = "play." + std::string(key.str());
        if (key.str() == "shadow") {
            ReadFlag(node, entry, report, result.shadow);
        } else if (key.str() == "patterns") {
            ReadFlag(node, entry, report, result.patterns);
        } else if (key.str() == kHandlingKey) {
            ReadHandling(node, entry, report, result.handling);
        } else if (key.str() == kRepeatDelayKey) {
            ReadWholeNumber(node, entry, kMinRepeatDelayMs, kMaxRepeatDelayMs, report,
                            result.repeatDelayMs);
        } else if (key.str() == kRepeatIntervalKey) {
            ReadWholeNumber(node, entry, kMinRepeatIntervalMs, kMaxRepeatIntervalMs, report,
                            result.repeatIntervalMs);
        } else {
            report(entry, "is not a setting", "; it is ignored");
        }
    }
}

// The keys bound so far, by the action that has each.
using KeyOwners = std::array<std::optional<GameAction>, Platform::kVirtualKeyCount>;

// One action's keys from its list; nothing, after telling why, when the list is not one of up
// to two names of keys that no other action has.
std::optional<ActionKeys> ReadActionKeys(const toml::node& node, GameAction action,
                                         const std::string& entry, const KeyOwners& owners,
                                         const FaultReport& report) {
    const toml::array* list = node.as_array();
    if (list == nullptr || list->size() > kKeysPerAction) {
        report(entry, (list == nullptr ? std::string(TypeName(node)) : "a longer list") +
                          " instead of a list of one or two key names");
        return std::nullopt;
    }
    ActionKeys keys{kNoKey, kNoKey};
    size_t count = 0;
    for (const toml::node& element : *list) {
        const auto name = element.value<std::string>();
        if (!name) {
            report(entry, std::string(TypeName(element)) + " in place of a key name");
            return std::nullopt;
        }
        const auto key = Platform::VirtualKeyNamed(*name);
        if (!key) {
            report(entry, "no key is named " + Quoted(*name));
            return std::nullopt;
        }
        const auto owner = owners[static_cast<size_t>(*key)];
        if (owner && *owner != action) {
            report(entry, Quoted(*name) + " is bound to " + std::string(GameActionName(*owner)));
            return std::nullopt;
        }
        if (count == 0 || keys[0] != *key) {
            keys[count++] = *key;
        }
    }
    return keys;
}

void ReadKeys(const toml::table& table, const FaultReport& report, Preferences& result) {
    KeyOwners owners{};
    std::array<bool, kGameActionCount> given{};
    for (const auto& [key, node] : table) {
        const std::string entry = "keys." + std::string(key.str());
        const auto action = GameActionNamed(key.str());
        if (!action) {
            report(entry, "is not an action", "; it is ignored");
            continue;
        }
        const auto keys = ReadActionKeys(node, *action, entry, owners, report);
        if (!keys) {
            continue;
        }
        const auto index = static_cast<size_t>(*action);
        result.keys[index] = *keys;
        given[index] = true;
        for (const int bound : *keys) {
            if (bound != kNoKey) {
                owners[static_cast<size_t>(bound)] = *action;
            }
        }
    }
    // An action left at its default gives up the keys the file gave to others.
    const KeyBindings defaults = DefaultKeyBindings();
    for (size_t index = 0; index < kGameActionCount; ++index) {
        if (given[index]) {
            continue;
        }
        ActionKeys keys{kNoKey, kNoKey};
        size_t count = 0;
        for (const int key : defaults[index]) {
            if (key != kNoKey && !owners[static_cast<size_t>(key)]) {
                keys[count++] = key;
            }
        }
        result.keys[index] = keys;
    }
}

void ReadSection(const toml::node& node, std::string_view name, const FaultReport& report,
                 Preferences& result) {
    const toml::table* table = node.as_table();
    if (table == nullptr) {
        report(name, std::string(TypeName(node)) + " instead of a table",
               "; its settings take their defaults");
        return;
    }
    if (name == "sound") {
        ReadSound(*table, report, result);
    } else if (name == "play") {
        ReadPlay(*table, report, result);
    } else {
        ReadKeys(*table, report, result);
    }
}

std::optional<std::string> DrobixConfigFolder() {
    const auto folder = Platform::GetConfigFolder();
    if (!folder) {
        return std::nullopt;
    }
    return Joined(*folder + '/', Platform::ConfigFolderName());
}

std::optional<PreferredWindowMode> ParseOldWindowMode(std::string text) {
    if (text.ends_with('\n')) {
        text.pop_back();
    }
    if (text == kFullscreenText) {
        return PreferredWindowMode::Fullscreen;
    }
    if (text == kWindowText) {
        return PreferredWindowMode::Window;
    }
    return std::nullopt;
}

// The window mode the older file remembers, moved into the settings file once. The old file
// goes only when the new one is written, so no choice is lost.
void CarryOverOldWindowMode(const std::string& folder) {
    const std::string oldPath = Joined(folder, kOldWindowModeFileName);
    const auto bytes = Platform::ReadFileBounded(oldPath, kMaxOldWindowModeBytes + 1);
    if (!bytes) {
        return;
    }
    const auto mode = ParseOldWindowMode(std::string(bytes->begin(), bytes->end()));
    if (mode) {
        GetPreferences().windowMode = *mode;
    }
    if (SavePreferences()) {
        Platform::RemoveFile(oldPath);
    }
}

void LoadFromFile(const std::string& path, std::ostream& faults) {
    const FaultReport report(path, faults);
    const auto target = Platform::ResolveSymbolicLinks(path);
    if (!target) {
        report("the file", "its links loop or cannot be read", "; every setting takes its default");
        return;
    }
    switch (Platform::GetFileKind(*target)) {
        case Platform::FileKind::Missing:
            CarryOverOldWindowMode(path.substr(0, path.size() - kFileName.size()));
            return;
        case Platform::FileKind::Unknown:
            report("the file", "cannot be looked at", "; every setting takes its default");
            return;
        case Platform::FileKind::Other:
            report("the file", "is not a regular file", "; every setting takes its default");
            return;
        case Platform::FileKind::Regular:
            break;
    }
    const auto bytes = Platform::ReadFileBounded(*target, kMaxFileBytes + 1);
    if (!bytes || bytes->size() > kMaxFileBytes) {
        report("the file", bytes ? "is larger than 64 KiB" : "cannot be read",
               "; every setting takes its default");
        return;
    }
    const std::string text(bytes->begin(), bytes->end());
    GetPreferences() = ParsePreferences(text, path, faults);
}

// The play section; the handling's entries only where they differ from the defaults, so that a
// file of defaults stays as it always was.
toml::table PlayTable(const Preferences& preferences) {
    toml::table play{{"shadow", preferences.shadow}, {"patterns", preferences.patterns}};
    const Preferences defaults;
    if (preferences.handling != defaults.handling) {
        play.insert(kHandlingKey,
                    preferences.handling == Handling::Modern ? kModernText : kClassicText);
    }
    if (preferences.repeatDelayMs != defaults.repeatDelayMs) {
        play.insert(kRepeatDelayKey, preferences.repeatDelayMs);
    }
    if (preferences.repeatIntervalMs != defaults.repeatIntervalMs) {
        play.insert(kRepeatIntervalKey, preferences.repeatIntervalMs);
    }
    return play;
}

}  // namespace

std::optional<std::string> PreferencesFilePath() {
    const auto folder = DrobixConfigFolder();
    if (!folder) {
        return std::nullopt;
    }
    return Joined(*folder, kFileName);
}

Preferences ParsePreferences(std::string_view text, std::string_view fileName,
                             std::ostream& faults) {
    const FaultReport report(fileName, faults);
    Preferences result;
    const toml::table table = ParseSkippingDamagedLines(text, fileName, report);
    for (const auto& [key, node] : table) {
        const std::string_view name = key.str();
        if (name == "window") {
            ReadWindowMode(node, report, result);
        } else if (name == "sound" || name == "play" || name == "keys") {
            ReadSection(node, name, report, result);
        } else {
            report(name, "is not a setting", "; it is ignored");
        }
    }
    return result;
}

std::string WritePreferences(const Preferences& preferences) {
    toml::table keys;
    for (size_t index = 0; index < kGameActionCount; ++index) {
        toml::array names;
        for (const int key : preferences.keys[index]) {
            if (key != kNoKey) {
                names.push_back(std::string(Platform::VirtualKeyName(key)));
            }
        }
        keys.insert(GameActionName(static_cast<GameAction>(index)), std::move(names));
    }
    const toml::table document{
        {"window",
         preferences.windowMode == PreferredWindowMode::Window ? kWindowText : kFullscreenText},
        {"sound",
         toml::table{{"music", preferences.musicLevel}, {"effects", preferences.effectsLevel}}},
        {"play", PlayTable(preferences)},
        {"keys", std::move(keys)},
    };
    std::ostringstream out;
    out << toml::toml_formatter(document, toml::toml_formatter::default_flags &
                                              ~toml::format_flags::allow_literal_strings)
        << '\n';
    return out.str();
}

void LoadPreferences(std::ostream& faults) {
    GetPreferences() = Preferences{};
    if (const auto path = PreferencesFilePath()) {
        LoadFromFile(*path, faults);
    }
    SetKeyBindings(GetPreferences().keys);
}

bool SavePreferences() {
    const auto config = Platform::GetConfigFolder();
    const auto folder = DrobixConfigFolder();
    if (!config || !folder) {
        return false;
    }
    // The configuration folder itself may be missing on a fresh account.
    Platform::MakeFolder(*config, true);
    Platform::MakeFolder(*folder, true);
    const auto target = Platform::ResolveSymbolicLinks(Joined(*folder, kFileName));
    if (!target) {
        return false;
    }
    const std::string text = WritePreferences(GetPreferences());
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return Platform::ReplaceFileAtomically(*target, std::span(bytes, text.size()));
}

}  // namespace Drobix

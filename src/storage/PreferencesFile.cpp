// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/PreferencesFile.h"

#include <toml++/toml.h>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <ostream>
#include <sstream>
#include <unordered_map>
#include <vector>

#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/Keyboard.h"
#include "storage/PreferencesEdit.h"
#include "storage/QuickTomlLine.h"
#include "storage/TomlLine.h"

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
constexpr std::string_view kDisplaySection = "display";
constexpr std::string_view kLanguageKey = "language";
constexpr std::string_view kRepeatDelayKey = "repeat_delay_ms";
constexpr std::string_view kRepeatIntervalKey = "repeat_interval_ms";

constexpr std::string_view kDefaultStands = "; the default stands";
constexpr std::string_view kLineSkipped = "; the line is skipped";
// The digits of the largest line number.
constexpr size_t kMaxLineNumberDigits = 20;

// Tells of one fault: the file, the entry and what was wrong, on one line.
class FaultReport {
public:
    FaultReport(std::string_view fileName, std::ostream& out) : fileName_(fileName), out_(out) {}

    void operator()(std::string_view entry, std::string_view fault,
                    std::string_view outcome = kDefaultStands) const {
        out_ << fileName_ << ": " << entry << ": " << fault << outcome << '\n';
    }

    // That a line is skipped, and why in pieces: a damaged file can have thousands of such
    // lines, and nothing is built for one.
    void SkippedLine(size_t index, std::initializer_list<std::string_view> fault) const {
        std::array<char, kMaxLineNumberDigits> digits{};
        char* end = std::to_chars(digits.data(), digits.data() + digits.size(), index + 1).ptr;
        // Built where the last line was, and written at once.
        line_.assign(fileName_).append(": line ").append(digits.data(), end).append(": ");
        for (const std::string_view piece : fault) {
            line_.append(piece);
        }
        line_.append(kLineSkipped).push_back('\n');
        out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    }

private:
    std::string_view fileName_;
    std::ostream& out_;
    mutable std::string line_;
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
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', start)) {
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const std::vector<std::string_view>& lines, size_t textSize) {
    std::string text;
    text.reserve(textSize + 1);
    for (const std::string_view line : lines) {
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

// What a line holds, as far as reading a damaged file line by line goes.
bool HoldsNothing(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t\r");
    return first == std::string_view::npos || line[first] == '#';
}

// The parser's own word for a node's type, as it writes it in a message.
std::string_view TypeWord(const toml::node& node) {
    return toml::impl::node_type_friendly_names[static_cast<size_t>(node.type())];
}

// The message of a line that is no TOML on its own. One that runs past the end of its line opened
// something there (a list) that it does not close; the parser, given the line alone, calls that
// the end of the file, which would name a place the fault is not.
std::string LineFault(std::string_view description) {
    constexpr std::string_view kEndOfFile = "encountered end-of-file";
    if (description.ends_with(kEndOfFile)) {
        return std::string(description.substr(0, description.size() - kEndOfFile.size())) +
               "it is not closed on this line";
    }
    return OnOneLine(description);
}

// The shapes the lines read so far gave the document, by path, so that a line that clashes
// with an earlier one (an entry or a table given twice) is found as it is read, without reading
// the document again for each.
class DocumentShape {
public:
    // Nothing when the line's piece (the line parsed alone) fits; otherwise what clashes.
    std::optional<std::string> Add(std::string_view line, const toml::table& piece) {
        const size_t first = line.find_first_not_of(" \t");
        if (line[first] != '[') {
            return AddEntry(piece);
        }
        return AddHeader(piece, line.substr(first).starts_with("[["));
    }

    // A plain line: as AddEntry and AddHeader take the piece of one key that the line makes.
    std::optional<std::string> AddPlain(const PlainLine& plain) {
        const bool header = plain.kind != PlainLine::Kind::Entry;
        std::string path = Step(header ? std::string() : context_, plain.key);
        const auto found = shapes_.find(path);
        if (header) {
            return AddLastPart(path, found, plain.key, plain.kind == PlainLine::Kind::TableList);
        }
        if (found != shapes_.end()) {
            return Clash("key-value pair", found->second, plain.key);
        }
        shapes_.emplace(std::move(path), Shape{Kind::Value, plain.type, 0});
        return std::nullopt;
    }

private:
    enum class Kind { Table, HeaderTable, Value, TableList };
    struct Shape {
        Kind kind = Kind::Table;
        std::string_view type;
        size_t count = 0;
    };

    static std::string Step(const std::string& path, std::string_view key) {
        std::string next = path;
        next.append(key).push_back('\n');
        return next;
    }

    static std::string Clash(std::string_view what, const Shape& shape, std::string_view key) {
        return "Error while parsing " + std::string(what) + ": cannot redefine existing " +
               std::string(shape.type) + " '" + OnOneLine(key) + "'";
    }

    // The path of the table a step leads into: a list of tables leads into its last one.
    static std::string Into(const std::string& path, const Shape& shape) {
        return shape.kind == Kind::TableList ? path + std::to_string(shape.count) + "\n" : path;
    }

    // One step down a line's piece: its key, its node, the node's table if it is one, the path
    // it leads to and what the lines before gave there.
    struct Part {
        std::string_view key;
        const toml::node& node;
        const toml::table* inner;
        std::string path;
        std::unordered_map<std::string, Shape>::iterator found;
    };
    // What a step decides: the walk ends (with what clashes, if anything) or goes on at a path.
    struct Next {
        bool ends = false;
        std::optional<std::string> clash;
        std::string path;
    };
    static Next End(std::optional<std::string> clash = std::nullopt) {
        return {true, std::move(clash), {}};
    }
    static Next GoOn(std::string path) { return {false, std::nullopt, std::move(path)}; }

    // Walks the chain of one-entry tables that a line read alone makes, from the path.
    template <typename TakeStep>
    std::optional<std::string> Walk(std::string path, const toml::table& piece, TakeStep takeStep) {
        const toml::table* table = &piece;
        while (table->size() == 1) {
            // The iterator holds what it points at, so it stays while they are used.
            const auto only = table->begin();
            std::string next = Step(path, only->first.str());
            const auto found = shapes_.find(next);
            const toml::table* inner = only->second.as_table();
            Next step =
                takeStep(Part{only->first.str(), only->second, inner, std::move(next), found});
            if (step.ends) {
                return step.clash;
            }
            path = std::move(step.path);
            table = inner;
        }
        return std::nullopt;
    }

    std::optional<std::string> AddEntry(const toml::table& piece) {
        return Walk(context_, piece, [this](const Part& part) {
            const bool leaf = part.inner == nullptr || part.inner->is_inline();
            const bool known = part.found != shapes_.end();
            if (known && (leaf || part.found->second.kind == Kind::Value ||
                          part.found->second.kind == Kind::TableList)) {
                return End(Clash("key-value pair", part.found->second, part.key));
            }
            if (leaf) {
                shapes_.emplace(part.path, Shape{Kind::Value, TypeWord(part.node), 0});
                return End();
            }
            if (!known) {
                shapes_.emplace(part.path, Shape{Kind::Table, "table", 0});
            }
            return GoOn(part.path);
        });
    }

    std::optional<std::string> AddHeader(const toml::table& piece, bool list) {
        return Walk({}, piece, [this, list](const Part& part) {
            if (part.inner == nullptr || (part.inner->empty() && !list)) {
                return End(AddLastPart(part.path, part.found, part.key, list));
            }
            if (part.found == shapes_.end()) {
                shapes_.emplace(part.path, Shape{Kind::Table, "table", 0});
                return GoOn(part.path);
            }
            if (part.found->second.kind == Kind::Value) {
                return End(Clash("table header", part.found->second, part.key));
            }
            return GoOn(Into(part.path, part.found->second));
        });
    }

    std::optional<std::string> AddLastPart(const std::string& path,
                                           std::unordered_map<std::string, Shape>::iterator found,
                                           std::string_view key, bool list) {
        if (found == shapes_.end()) {
            found = shapes_
                        .emplace(path, Shape{list ? Kind::TableList : Kind::HeaderTable,
                                             list ? "array" : "table", 0})
                        .first;
        } else if (list ? found->second.kind != Kind::TableList
                        : found->second.kind != Kind::Table) {
            return Clash("table header", found->second, key);
        } else if (!list) {
            found->second.kind = Kind::HeaderTable;
        }
        if (list) {
            ++found->second.count;
        }
        context_ = Into(path, found->second);
        return std::nullopt;
    }

    std::unordered_map<std::string, Shape> shapes_;
    std::string context_;
};

// A damaged document was read line by line this many times at most after its clashes were
// taken out; what the shapes above do not foresee costs one more reading each.
constexpr size_t kMaxRereadings = 8;

// What one line read alone gave: the parser's table or, for a plain line, what it plainly says.
struct LinePiece {
    size_t index = 0;
    std::optional<toml::table> table;
    PlainLine plain;
};

struct ReadDocument {
    toml::table table;
    // False when the text had something to say and not one line of it was TOML: no settings
    // file at all.
    bool isSettings = true;
};

// The document, each line that is not UTF-8 or not TOML left out, so that a damaged line costs
// only the entries on it. Each line is read once on its own, and the whole once more.
ReadDocument ParseSkippingDamagedLines(std::string_view text, std::string_view fileName,
                                       const FaultReport& report) {
    // Views into the text; a line left out becomes empty.
    std::vector<std::string_view> lines = SplitLines(text);
    for (size_t index = 0; index < lines.size(); ++index) {
        if (!IsUtf8(lines[index])) {
            report.SkippedLine(index, {"is not UTF-8 text"});
            lines[index] = {};
        }
    }
    if (!SurelyRefusedWhole(lines)) {
        try {
            return {toml::parse(JoinLines(lines, text.size()), fileName), true};
        } catch (const toml::parse_error&) {
            // Damaged: each line is looked at on its own, below.
        }
    }
    // A line that is no TOML even on its own is damaged wherever it stands. (A list spread over
    // several lines is lost with it: only a damaged file is read line by line.) What plainly
    // cannot be TOML is told without the parser, in its words, and what plainly is, taken.
    std::vector<LinePiece> pieces;
    size_t saying = 0;
    for (size_t index = 0; index < lines.size(); ++index) {
        if (HoldsNothing(lines[index])) {
            continue;
        }
        ++saying;
        if (const auto damage = QuickLineDamage(lines[index])) {
            report.SkippedLine(index,
                               {damage->description, damage->saw, damage->saw.empty() ? "" : "'"});
            lines[index] = {};
            continue;
        }
        if (const auto plain = QuickPlainLine(lines[index])) {
            pieces.push_back({index, std::nullopt, *plain});
            continue;
        }
        TomlLine line = ReadTomlLine(lines[index]);
        if (line.table) {
            pieces.push_back({index, std::move(line.table), {}});
        } else {
            report.SkippedLine(index, {LineFault(line.fault)});
            lines[index] = {};
        }
    }
    if (saying > 0 && pieces.empty()) {
        return {{}, false};
    }
    // What is left fails only where lines clash, such as an entry given twice.
    DocumentShape shape;
    for (const LinePiece& piece : pieces) {
        const auto clash =
            piece.table ? shape.Add(lines[piece.index], *piece.table) : shape.AddPlain(piece.plain);
        if (clash) {
            report.SkippedLine(piece.index, {*clash});
            lines[piece.index] = {};
        }
    }
    for (size_t attempt = 0; attempt <= kMaxRereadings; ++attempt) {
        try {
            return {toml::parse(JoinLines(lines, text.size()), fileName), true};
        } catch (const toml::parse_error& error) {
            const size_t line = error.source().begin.line;
            if (line == 0 || line > lines.size() || attempt == kMaxRereadings) {
                report("the file", OnOneLine(error.description()),
                       "; every setting takes its default");
                return {};
            }
            report.SkippedLine(line - 1, {OnOneLine(error.description())});
            lines[line - 1] = {};
        }
    }
    return {};
}

// A word of the file's in any case: "Modern" is "modern".
std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

void ReadWindowMode(const toml::node& node, const FaultReport& report, Preferences& result) {
    const auto text = node.value<std::string>();
    const std::string word = text ? LowerCase(*text) : std::string();
    if (!text) {
        report("window", std::string(TypeName(node)) + " instead of \"fullscreen\" or \"window\"");
    } else if (word == kFullscreenText) {
        result.windowMode = PreferredWindowMode::Fullscreen;
    } else if (word == kWindowText) {
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
    const std::string word = text ? LowerCase(*text) : std::string();
    if (!text) {
        report(entry, std::string(TypeName(node)) + " instead of \"classic\" or \"modern\"");
    } else if (word == kClassicText) {
        handling = Handling::Classic;
    } else if (word == kModernText) {
        handling = Handling::Modern;
    } else {
        report(entry, Quoted(*text) + " is neither \"classic\" nor \"modern\"");
    }
}

// "auto" or a code as locales write a language: two or three small letters, then perhaps "_"
// and a country's two capitals.
bool IsLanguageSetting(std::string_view text) {
    if (text == kAutomaticLanguage) {
        return true;
    }
    const std::size_t letters =
        text.find('_') == std::string_view::npos ? text.size() : text.find('_');
    const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (letters < 2 || letters > 3 || !std::all_of(text.begin(), text.begin() + letters, lower)) {
        return false;
    }
    const std::string_view country = text.substr(letters);
    return country.empty() || (country.size() == 3 && upper(country[1]) && upper(country[2]));
}

void ReadDisplay(const toml::table& table, const FaultReport& report, Preferences& result) {
    for (const auto& [key, node] : table) {
        const std::string entry = std::string(kDisplaySection) + "." + std::string(key.str());
        if (key.str() != kLanguageKey) {
            report(entry, "is not a setting", "; it is ignored");
            continue;
        }
        const auto text = node.value<std::string>();
        if (!text) {
            report(entry, std::string(TypeName(node)) + " instead of \"auto\" or a language code");
        } else if (!IsLanguageSetting(*text)) {
            report(entry,
                   Quoted(*text) + " is neither \"auto\" nor a language code such as \"de\"");
        } else {
            result.language = *text;
        }
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
// to two names of keys that no action before it in the file has and that the game does not keep
// for itself.
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
        if (const std::string_view reason = ReservedKeyReason(action, *key); !reason.empty()) {
            report(entry, Quoted(*name) + " " + std::string(reason));
            return std::nullopt;
        }
        const auto owner = owners[static_cast<size_t>(*key)];
        if (owner && *owner != action) {
            report(entry, Quoted(*name) + " is bound to " + std::string(GameActionName(*owner)) +
                              " before " + std::string(GameActionName(action)));
            return std::nullopt;
        }
        if (count == 0 || keys[0] != *key) {
            keys[count++] = *key;
        }
    }
    return keys;
}

// The table's entries in the order the file gives them, which decides who keeps a key that two
// actions name.
std::vector<std::pair<const toml::key*, const toml::node*>> InFileOrder(const toml::table& table) {
    std::vector<std::pair<const toml::key*, const toml::node*>> entries;
    for (const auto& [key, node] : table) {
        entries.emplace_back(&key, &node);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.first->source().begin < b.first->source().begin;
    });
    return entries;
}

void ReadKeys(const toml::table& table, const FaultReport& report, Preferences& result) {
    KeyOwners owners{};
    std::array<bool, kGameActionCount> given{};
    for (const auto& [key, node] : InFileOrder(table)) {
        const std::string_view name = key->str();
        const std::string entry = "keys." + std::string(name);
        const auto action = GameActionNamed(name);
        if (!action) {
            report(entry, "is not an action", "; it is ignored");
            continue;
        }
        const auto keys = ReadActionKeys(*node, *action, entry, owners, report);
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
    } else if (name == kDisplaySection) {
        ReadDisplay(*table, report, result);
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

// What this copy of the game knows of its settings file.
struct FileState {
    // The values as this copy last read or wrote them: a save writes only what differs, so that
    // another copy's changes in between stay.
    Preferences known;
    // Why the file is never written over in this run; empty while it may be.
    std::string refusal;
    // The system's reason the last save failed; empty once one succeeds.
    std::string saveFailure;
    // Where a failed save is told; standard error when none.
    std::ostream* sink = nullptr;
};

FileState& State() {
    static FileState state;
    return state;
}

void Say(const std::string& line) {
    if (State().sink != nullptr) {
        *State().sink << line;
    } else {
        std::fputs(line.c_str(), stderr);
    }
}

// The window mode the older file remembers, moved into the settings file once. The old file
// goes only when the new one is written, so no choice is lost.
void CarryOverOldWindowMode(const std::string& folder) {
    const std::string oldPath = Joined(folder, kOldWindowModeFileName);
    const auto read = Platform::ReadRegularFile(oldPath, kMaxOldWindowModeBytes);
    if (read.status != Platform::FileReadStatus::Read) {
        return;
    }
    const auto mode = ParseOldWindowMode(read.bytes);
    if (mode) {
        GetPreferences().windowMode = *mode;
    }
    if (SavePreferences()) {
        Platform::RemoveFile(oldPath);
    }
}

// Why a file of this text is no settings file the game may write over; empty when it is one.
// Faults of one that is go to faults.
std::string ReadSettingsText(const std::string& text, std::string_view fileName,
                             std::ostream& faults, Preferences& preferences) {
    std::ostringstream said;
    bool isSettings = true;
    preferences = ParsePreferencesText(text, fileName, said, isSettings);
    if (!isSettings) {
        return "is no settings file: not one of its lines is TOML";
    }
    faults << said.str();
    return {};
}

// Why the file as read may not be written over; empty when it may.
std::string RefusalOf(const Platform::FileReadResult& read) {
    switch (read.status) {
        case Platform::FileReadStatus::NotRegular:
            return "is not a regular file";
        case Platform::FileReadStatus::TooLarge:
            return "is larger than 64 KiB";
        case Platform::FileReadStatus::Failed:
            return "cannot be read (" + read.reason + ")";
        case Platform::FileReadStatus::Read:
        case Platform::FileReadStatus::Missing:
            break;
    }
    return {};
}

void Refuse(const FaultReport& report, const std::string& reason) {
    State().refusal = reason;
    report("the file", reason,
           "; every setting takes its default, and the file is not written over");
}

void LoadFromFile(const std::string& path, std::ostream& faults) {
    const FaultReport report(path, faults);
    const auto target = Platform::ResolveSymbolicLinks(path);
    if (!target) {
        Refuse(report, "its links loop or cannot be read");
        return;
    }
    auto read = Platform::ReadRegularFile(*target, kMaxFileBytes);
    if (read.status == Platform::FileReadStatus::Missing) {
        CarryOverOldWindowMode(path.substr(0, path.size() - kFileName.size()));
        return;
    }
    if (const std::string refusal = RefusalOf(read); !refusal.empty()) {
        Refuse(report, refusal);
        return;
    }
    Preferences preferences;
    if (const std::string refusal = ReadSettingsText(read.bytes, path, faults, preferences);
        !refusal.empty()) {
        Refuse(report, refusal);
        return;
    }
    GetPreferences() = preferences;
    // What a save killed half-way left is removed, unless another copy is saving now.
    const Platform::FileLock lock(*target);
    if (!lock.Failure()) {
        Platform::RemoveUnfinishedReplacements(*target);
    }
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

std::string Word(std::string_view word) {
    std::string quoted;
    quoted.reserve(word.size() + 2);
    quoted.append(1, '"').append(word).append(1, '"');
    return quoted;
}

std::string Flag(bool on) {
    return on ? "true" : "false";
}

// An action's keys as the file writes them: [ "Up", "Z" ].
std::string KeyList(const ActionKeys& keys) {
    std::string list = "[";
    const char* separator = " ";
    for (const int key : keys) {
        if (key != kNoKey) {
            list.append(separator).append(Word(Platform::VirtualKeyName(key)));
            separator = ", ";
        }
    }
    return list + (list.size() > 1 ? " ]" : "]");
}

// The entries whose values this copy changed since it last read or wrote the file.
std::vector<EntryEdit> ChangedEntries(const Preferences& known, const Preferences& now) {
    std::vector<EntryEdit> edits;
    const auto compare = [&edits](bool changed, std::string_view table, std::string_view key,
                                  const std::string& value) {
        if (changed) {
            edits.push_back({std::string(table), std::string(key), value});
        }
    };
    compare(known.windowMode != now.windowMode, "", "window",
            Word(now.windowMode == PreferredWindowMode::Window ? kWindowText : kFullscreenText));
    compare(known.musicLevel != now.musicLevel, "sound", "music", std::to_string(now.musicLevel));
    compare(known.effectsLevel != now.effectsLevel, "sound", "effects",
            std::to_string(now.effectsLevel));
    compare(known.shadow != now.shadow, "play", "shadow", Flag(now.shadow));
    compare(known.patterns != now.patterns, "play", "patterns", Flag(now.patterns));
    compare(known.handling != now.handling, "play", kHandlingKey,
            Word(now.handling == Handling::Modern ? kModernText : kClassicText));
    compare(known.repeatDelayMs != now.repeatDelayMs, "play", kRepeatDelayKey,
            std::to_string(now.repeatDelayMs));
    compare(known.repeatIntervalMs != now.repeatIntervalMs, "play", kRepeatIntervalKey,
            std::to_string(now.repeatIntervalMs));
    for (size_t index = 0; index < kGameActionCount; ++index) {
        compare(known.keys[index] != now.keys[index], "keys",
                GameActionName(static_cast<GameAction>(index)), KeyList(now.keys[index]));
    }
    return edits;
}

bool FailToSave(const std::string& path, const std::string& reason) {
    State().saveFailure = reason;
    Say(path + ": could not save the settings: " + reason + "\n");
    return false;
}

// The file as it should be after this copy's changes: the text read just now with them made
// in it, or every setting where there is no file. Nothing, after telling why, when the file
// may not be written.
std::optional<std::string> NewFileText(const std::string& path, const std::string& target) {
    const auto read = Platform::ReadRegularFile(target, kMaxFileBytes);
    if (read.status == Platform::FileReadStatus::Missing) {
        return WritePreferences(GetPreferences());
    }
    if (read.status == Platform::FileReadStatus::Failed) {
        FailToSave(path, read.reason);
        return std::nullopt;
    }
    std::string refusal = RefusalOf(read);
    std::ostringstream ignored;
    Preferences unused;
    if (refusal.empty()) {
        refusal = ReadSettingsText(read.bytes, path, ignored, unused);
    }
    if (!refusal.empty()) {
        State().refusal = refusal;
        Say(path + ": the file: " + refusal + "; it is not written over\n");
        return std::nullopt;
    }
    return EditSettingsText(read.bytes, ChangedEntries(State().known, GetPreferences()));
}

}  // namespace

std::optional<std::string> PreferencesFilePath() {
    const auto folder = DrobixConfigFolder();
    if (!folder) {
        return std::nullopt;
    }
    return Joined(*folder, kFileName);
}

Preferences ParsePreferencesText(std::string_view text, std::string_view fileName,
                                 std::ostream& faults, bool& isSettings) {
    const FaultReport report(fileName, faults);
    Preferences result;
    const ReadDocument document = ParseSkippingDamagedLines(text, fileName, report);
    isSettings = document.isSettings;
    for (const auto& [key, node] : document.table) {
        const std::string_view name = key.str();
        if (name == "window") {
            ReadWindowMode(node, report, result);
        } else if (name == "sound" || name == "play" || name == "keys" || name == kDisplaySection) {
            ReadSection(node, name, report, result);
        } else {
            report(name, "is not a setting", "; it is ignored");
        }
    }
    for (const GameAction action : KeepLeaveAndPauseBound(result.keys)) {
        const int key = result.keys[static_cast<size_t>(action)][0];
        report("keys." + std::string(GameActionName(action)),
               "would leave no key to " + std::string(GameActionName(action)),
               "; it takes " + Quoted(Platform::VirtualKeyName(key)));
    }
    return result;
}

Preferences ParsePreferences(std::string_view text, std::string_view fileName,
                             std::ostream& faults) {
    bool isSettings = true;
    return ParsePreferencesText(text, fileName, faults, isSettings);
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
    toml::table document{
        {"window",
         preferences.windowMode == PreferredWindowMode::Window ? kWindowText : kFullscreenText},
        {"sound",
         toml::table{{"music", preferences.musicLevel}, {"effects", preferences.effectsLevel}}},
        {"play", PlayTable(preferences)},
        {"keys", std::move(keys)},
    };
    // Only a language chosen, so that a file of defaults stays as it always was.
    if (preferences.language != kAutomaticLanguage) {
        document.insert(kDisplaySection, toml::table{{kLanguageKey, preferences.language}});
    }
    std::ostringstream out;
    out << toml::toml_formatter(document, toml::toml_formatter::default_flags &
                                              ~toml::format_flags::allow_literal_strings)
        << '\n';
    return out.str();
}

void LoadPreferences(std::ostream& faults) {
    GetPreferences() = Preferences{};
    FileState& state = State();
    state.refusal.clear();
    state.saveFailure.clear();
    state.known = Preferences{};
    if (const auto path = PreferencesFilePath()) {
        LoadFromFile(*path, faults);
    }
    state.known = GetPreferences();
    SetKeyBindings(GetPreferences().keys);
}

bool SavePreferences() {
    const auto config = Platform::GetConfigFolder();
    const auto folder = DrobixConfigFolder();
    if (!config || !folder || !State().refusal.empty()) {
        return false;
    }
    const std::string path = Joined(*folder, kFileName);
    // The configuration folder itself may be missing on a fresh account.
    for (const std::string& made : {*config, *folder}) {
        if (const auto failure = Platform::MakeFolder(made, true)) {
            return FailToSave(path, *failure);
        }
    }
    const auto target = Platform::ResolveSymbolicLinks(path);
    if (!target) {
        return FailToSave(path, "its links loop or cannot be read");
    }
    // Another copy's save runs wholly before or after this one, and what it wrote is read here.
    const Platform::FileLock lock(*target);
    if (lock.Failure()) {
        return FailToSave(path, *lock.Failure());
    }
    Platform::RemoveUnfinishedReplacements(*target);
    const auto text = NewFileText(path, *target);
    if (!text) {
        return false;
    }
    if (const auto failure = Platform::ReplaceFileAtomically(*target, *text)) {
        return FailToSave(path, *failure);
    }
    State().known = GetPreferences();
    State().saveFailure.clear();
    return true;
}

PreferencesProblem PreferencesFileProblem() {
    const FileState& state = State();
    if (!state.refusal.empty()) {
        return {PreferencesProblem::Kind::NotRead, {}};
    }
    if (!state.saveFailure.empty()) {
        return {PreferencesProblem::Kind::NotSaved, state.saveFailure};
    }
    return {};
}

namespace Testing {

void SetPreferencesSaveReport(std::ostream* sink) {
    State().sink = sink;
}

}  // namespace Testing

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/PreferencesEdit.h"

#include <toml++/toml.h>
#include <algorithm>
#include <optional>
#include <unordered_set>

namespace Drobix {

namespace {

using KeyPath = std::vector<std::string>;

constexpr std::string_view kBasicTriple = "\"\"\"";
constexpr std::string_view kLiteralTriple = "'''";

struct Span {
    size_t end = 0;
    // False when the value never closes: only its own line is taken, as the reader does.
    bool closed = false;
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool IsBareKeyCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-';
}

size_t SkipSpaces(std::string_view text, size_t pos) {
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    return pos;
}

size_t LineEnd(std::string_view text, size_t pos) {
    const size_t end = text.find('\n', pos);
    return end == std::string_view::npos ? text.size() : end;
}

size_t NextLine(std::string_view text, size_t pos) {
    const size_t end = LineEnd(text, pos);
    return end == text.size() ? end : end + 1;
}

// A quoted string from its opening quote, on one line; escapes only in basic ("...") strings.
Span ScanOneLineString(std::string_view text, size_t pos) {
    const char quote = text[pos];
    for (size_t i = pos + 1; i < text.size() && text[i] != '\n'; ++i) {
        if (quote == '"' && text[i] == '\\') {
            ++i;
        } else if (text[i] == quote) {
            return {i + 1, true};
        }
    }
    return {LineEnd(text, pos), false};
}

// A multi-line string from its opening triple quote.
Span ScanMultiLineString(std::string_view text, size_t pos, std::string_view delimiter) {
    for (size_t i = pos + delimiter.size(); i < text.size(); ++i) {
        if (delimiter == kBasicTriple && text[i] == '\\') {
            ++i;
        } else if (text.substr(i, delimiter.size()) == delimiter) {
            size_t end = i + delimiter.size();
            // Up to two quotes of the content may stand right before the closing ones.
            while (end < text.size() && end - i < delimiter.size() + 2 &&
                   text[end] == delimiter[0]) {
                ++end;
            }
            return {end, true};
        }
    }
    return {LineEnd(text, pos), false};
}

Span ScanString(std::string_view text, size_t pos) {
    for (const std::string_view triple : {kBasicTriple, kLiteralTriple}) {
        if (text.substr(pos, triple.size()) == triple) {
            return ScanMultiLineString(text, pos, triple);
        }
    }
    return ScanOneLineString(text, pos);
}

// A list or an inline table, with what it holds, over as many lines as it takes.
Span ScanBracketed(std::string_view text, size_t pos) {
    size_t depth = 0;
    for (size_t i = pos; i < text.size();) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            const Span string = ScanString(text, i);
            if (!string.closed) {
                break;
            }
            i = string.end;
            continue;
        }
        if (c == '#') {
            i = LineEnd(text, i);
            continue;
        }
        if (c == '[' || c == '{') {
            ++depth;
        } else if (c == ']' || c == '}') {
            if (--depth == 0) {
                return {i + 1, true};
            }
        }
        ++i;
    }
    return {LineEnd(text, pos), false};
}

Span ScanValue(std::string_view text, size_t pos) {
    if (pos >= text.size()) {
        return {pos, false};
    }
    const char first = text[pos];
    if (first == '"' || first == '\'') {
        return ScanString(text, pos);
    }
    if (first == '[' || first == '{') {
        return ScanBracketed(text, pos);
    }
    size_t end = pos;
    while (end < text.size() && text[end] != '\n' && text[end] != '#') {
        ++end;
    }
    while (end > pos && IsSpace(text[end - 1])) {
        --end;
    }
    return {end, end > pos};
}

// Whether the value is TOML, so that a damaged one (shadow = tru) is left as the person wrote
// it. Asked only of the few values an edit would replace.
bool IsWholeValue(std::string_view value) {
    try {
        static_cast<void>(toml::parse("v = " + std::string(value) + "\n"));
        return true;
    } catch (const toml::parse_error&) {
        return false;
    }
}

// Whether only blanks and a comment follow pos on its line.
bool RestOfLineIsBlank(std::string_view text, size_t pos) {
    pos = SkipSpaces(text, pos);
    return pos == text.size() || text[pos] == '\n' || text[pos] == '#';
}

// One part of a key: bare, or quoted. The quoted ones are taken as written, escapes and all,
// which is enough to match the game's own bare names.
std::optional<std::string> ReadKeyPart(std::string_view text, size_t& pos) {
    if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
        const Span quoted = ScanOneLineString(text, pos);
        if (!quoted.closed) {
            return std::nullopt;
        }
        std::string part(text.substr(pos + 1, quoted.end - pos - 2));
        pos = quoted.end;
        return part;
    }
    const size_t start = pos;
    while (pos < text.size() && IsBareKeyCharacter(text[pos])) {
        ++pos;
    }
    if (pos == start) {
        return std::nullopt;
    }
    return std::string(text.substr(start, pos - start));
}

// A dotted key from pos, up to what follows it (left unread).
std::optional<KeyPath> ReadKey(std::string_view text, size_t& pos) {
    KeyPath path;
    while (true) {
        pos = SkipSpaces(text, pos);
        auto part = ReadKeyPart(text, pos);
        if (!part) {
            return std::nullopt;
        }
        path.push_back(std::move(*part));
        pos = SkipSpaces(text, pos);
        if (pos >= text.size() || text[pos] != '.') {
            return path;
        }
        ++pos;
    }
}

std::string Joined(const KeyPath& path) {
    std::string joined;
    for (const std::string& part : path) {
        // A separator no key holds unquoted, so that two paths join alike only when equal.
        joined.append(part).push_back('\n');
    }
    return joined;
}

// Where each edit goes, found in one pass over the text.
class EditPlan {
public:
    EditPlan(std::string_view text, std::span<const EntryEdit> edits)
        : text_(text), edits_(edits), spans_(edits.size()), tableEnds_(edits.size()) {
        for (size_t index = 0; index < edits.size(); ++index) {
            // The top level is there from the start; its entries go first when it has none.
            if (edits[index].table.empty()) {
                tableEnds_[index] = 0;
            }
        }
        for (size_t pos = 0; pos < text.size();) {
            pos = ReadLine(pos);
        }
    }

    std::string Apply() const;

private:
    struct Replacement {
        size_t start = 0;
        size_t end = 0;
    };

    // Reads the line at pos (and the lines its value runs over); where the next one starts.
    size_t ReadLine(size_t pos) {
        pos = SkipSpaces(text_, pos);
        if (pos >= text_.size() || text_[pos] == '\n' || text_[pos] == '#') {
            return NextLine(text_, pos);
        }
        if (text_[pos] == '[') {
            ReadHeader(pos + 1);
            return NextLine(text_, pos);
        }
        return ReadEntry(pos);
    }

    void ReadHeader(size_t pos) {
        const bool arrayOfTables = pos < text_.size() && text_[pos] == '[';
        auto path = arrayOfTables ? std::nullopt : ReadKey(text_, pos);
        const bool whole =
            path && pos < text_.size() && text_[pos] == ']' && RestOfLineIsBlank(text_, pos + 1);
        // A damaged header, a table given twice or a list of tables: what follows is no
        // table of ours, and nothing is matched or added there.
        if (!whole || !headers_.insert(Joined(*path)).second) {
            inOwnTable_ = false;
            return;
        }
        inOwnTable_ = true;
        table_ = std::move(*path);
        MarkTableEnd(NextLine(text_, pos));
    }

    size_t ReadEntry(size_t pos) {
        auto key = ReadKey(text_, pos);
        if (!key || pos >= text_.size() || text_[pos] != '=') {
            return NextLine(text_, pos);
        }
        const size_t valueStart = SkipSpaces(text_, pos + 1);
        const Span value = ScanValue(text_, valueStart);
        // A damaged entry is read by no one: it is left, and costs only its own line.
        if (!value.closed || !RestOfLineIsBlank(text_, value.end)) {
            return NextLine(text_, valueStart);
        }
        const size_t next = NextLine(text_, value.end);
        if (inOwnTable_) {
            MatchEntry(*key, {valueStart, value.end});
            if (key->size() == 1) {
                MarkTableEnd(next);
            }
        }
        return next;
    }

    bool IsInTable(const EntryEdit& edit) const {
        return edit.table.empty() ? table_.empty()
                                  : table_.size() == 1 && table_.front() == edit.table;
    }

    void MarkTableEnd(size_t end) {
        for (size_t index = 0; index < edits_.size(); ++index) {
            if (IsInTable(edits_[index])) {
                tableEnds_[index] = end;
            }
        }
    }

    void MatchEntry(const KeyPath& key, Replacement value) {
        for (size_t index = 0; index < edits_.size(); ++index) {
            const EntryEdit& edit = edits_[index];
            const size_t depth = table_.size() + key.size();
            const size_t wanted = edit.table.empty() ? 1 : 2;
            if (spans_[index] || depth != wanted || key.back() != edit.key) {
                continue;
            }
            // The table's name either in the header or before a dot in the key.
            const std::string& table = table_.empty() ? key.front() : table_.front();
            if ((edit.table.empty() || table == edit.table) &&
                IsWholeValue(text_.substr(value.start, value.end - value.start))) {
                spans_[index] = value;
            }
        }
    }

    std::string_view text_;
    std::span<const EntryEdit> edits_;
    // The value each edit replaces, where the text has it.
    std::vector<std::optional<Replacement>> spans_;
    // Where the last line of each edit's table ends, where the text has the table.
    std::vector<std::optional<size_t>> tableEnds_;
    KeyPath table_;
    bool inOwnTable_ = true;
    std::unordered_set<std::string> headers_;
};

std::string EditPlan::Apply() const {
    struct Change {
        size_t start;
        size_t end;
        std::string text;
    };
    std::vector<Change> changes;
    std::vector<std::string> newTables;
    std::vector<std::string> newTableLines;
    for (size_t index = 0; index < edits_.size(); ++index) {
        const EntryEdit& edit = edits_[index];
        const std::string line = edit.key + " = " + edit.value + "\n";
        if (spans_[index]) {
            changes.push_back({spans_[index]->start, spans_[index]->end, edit.value});
        } else if (tableEnds_[index]) {
            changes.push_back({*tableEnds_[index], *tableEnds_[index], line});
        } else {
            const auto known = std::find(newTables.begin(), newTables.end(), edit.table);
            if (known == newTables.end()) {
                newTables.push_back(edit.table);
                newTableLines.push_back(line);
            } else {
                newTableLines[static_cast<size_t>(known - newTables.begin())] += line;
            }
        }
    }
    // Additions at one place keep the order they were asked in.
    std::stable_sort(changes.begin(), changes.end(),
                     [](const Change& a, const Change& b) { return a.start < b.start; });
    std::string result;
    size_t copied = 0;
    for (const Change& change : changes) {
        result.append(text_.substr(copied, change.start - copied));
        // The file's last line may have no line end of its own.
        if (change.start == text_.size() && !result.empty() && result.back() != '\n') {
            result += '\n';
        }
        result += change.text;
        copied = change.end;
    }
    result.append(text_.substr(copied));
    for (size_t index = 0; index < newTables.size(); ++index) {
        if (!result.empty()) {
            result += result.back() == '\n' ? "\n" : "\n\n";
        }
        result.append("[").append(newTables[index]).append("]\n").append(newTableLines[index]);
    }
    return result;
}

}  // namespace

std::string EditSettingsText(std::string_view text, std::span<const EntryEdit> edits) {
    return EditPlan(text, edits).Apply();
}

}  // namespace Drobix

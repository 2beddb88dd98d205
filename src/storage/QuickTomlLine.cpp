// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/QuickTomlLine.h"

namespace Drobix {

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kNothingStarts =
    "Error while parsing root table: expected keys, tables, whitespace or comments, saw '";
constexpr std::string_view kNoKeyInHeader =
    "Error while parsing key: expected bare key starting character or string delimiter, saw '";
constexpr std::string_view kNoEquals = "Error while parsing key-value pair: expected '=', saw '";
constexpr std::string_view kNoValue = "Error while parsing key-value pair: expected value, saw '";
constexpr std::string_view kOpenString =
    "Error while parsing string: unescaped control characters other than TAB (U+0009) are "
    "explicitly prohibited";

bool IsBareKeyCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-';
}

// The character the parser names where the rest of the line starts: itself or, for the line end
// (toml++ is given each line with its end) and NUL, its escape; nothing for the rest (other
// control characters, bytes of longer UTF-8 sequences), which are left to the parser.
std::optional<std::string_view> Seen(std::string_view rest) {
    if (rest.empty()) {
        return "\\n"sv;
    }
    const char c = rest.front();
    if (c == '\0') {
        return "\\u0000"sv;
    }
    if (c > ' ' && c < '\x7F') {
        return rest.substr(0, 1);
    }
    return std::nullopt;
}

std::string_view SkipBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::optional<LineDamage> Saw(std::string_view description, std::string_view rest) {
    const auto seen = Seen(rest);
    if (!seen) {
        return std::nullopt;
    }
    return LineDamage{description, *seen};
}

// Whether a basic string's text holds plain printable characters only, so that no escape or
// other fault of its own comes before its end.
bool IsPlainStringText(std::string_view text) {
    for (const char c : text) {
        if (c < ' ' || c >= '\x7F' || c == '"' || c == '\\') {
            return false;
        }
    }
    return true;
}

// After the key: "=" and a value, or damage.
std::optional<LineDamage> AfterKey(std::string_view rest) {
    rest = SkipBlanks(rest);
    if (rest.empty() || rest.front() != '=') {
        if (!rest.empty() && rest.front() == '.') {
            return std::nullopt;
        }
        return Saw(kNoEquals, rest);
    }
    rest = SkipBlanks(rest.substr(1));
    if (rest.empty() || rest.front() == ']' || rest.front() == '}' || rest.front() == ',' ||
        rest.front() == '#') {
        return Saw(kNoValue, rest);
    }
    if (rest.size() > 1 && rest.front() == '"' && rest[1] != '"' &&
        IsPlainStringText(rest.substr(1))) {
        return LineDamage{kOpenString, {}};
    }
    return std::nullopt;
}

// A key of one part: bare, or a plain basic string that closes (or, open, is damage itself).
std::optional<LineDamage> FromKey(std::string_view rest) {
    if (rest.front() != '"') {
        size_t end = 0;
        while (end < rest.size() && IsBareKeyCharacter(rest[end])) {
            ++end;
        }
        return AfterKey(rest.substr(end));
    }
    // An empty string could open a multi-line one, which no key may be.
    if (rest.size() < 2 || rest[1] == '"') {
        return std::nullopt;
    }
    const size_t close = rest.find('"', 1);
    const std::string_view text =
        rest.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
    if (!IsPlainStringText(text)) {
        return std::nullopt;
    }
    if (close == std::string_view::npos) {
        return LineDamage{kOpenString, {}};
    }
    return AfterKey(rest.substr(close + 1));
}

// After "[": a table header with no key.
std::optional<LineDamage> FromHeader(std::string_view rest) {
    rest = SkipBlanks(rest);
    if (!rest.empty() && (IsBareKeyCharacter(rest.front()) || rest.front() == '"' ||
                          rest.front() == '\'' || rest.front() == '[' || rest.front() == ']')) {
        return std::nullopt;
    }
    return Saw(kNoKeyInHeader, rest);
}

// The length of a plain whole number at the text's start, as toml++ reads one without a sign,
// underscores or other bases, and short enough for any 64-bit integer; 0 when there is none.
size_t PlainIntegerLength(std::string_view text) {
    constexpr size_t kMaxDigits = 18;
    size_t length = 0;
    while (length < text.size() && length <= kMaxDigits && text[length] >= '0' &&
           text[length] <= '9') {
        ++length;
    }
    if (length == 0 || length > kMaxDigits || (length > 1 && text.front() == '0')) {
        return 0;
    }
    return length;
}

// The length of a closed basic string of plain printable characters at the text's start; 0
// when there is none.
size_t PlainStringLength(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text[1] == '"') {
        return 0;
    }
    const size_t close = text.find('"', 1);
    if (close == std::string_view::npos || !IsPlainStringText(text.substr(1, close - 1))) {
        return 0;
    }
    return close + 1;
}

// A plain value at the text's start: its length and the parser's word for its type.
std::optional<std::pair<size_t, std::string_view>> PlainValue(std::string_view text) {
    if (text.starts_with("true")) {
        return std::pair{"true"sv.size(), "boolean"sv};
    }
    if (text.starts_with("false")) {
        return std::pair{"false"sv.size(), "boolean"sv};
    }
    if (const size_t length = PlainIntegerLength(text); length > 0) {
        return std::pair{length, "integer"sv};
    }
    if (const size_t length = PlainStringLength(text); length > 0) {
        return std::pair{length, "string"sv};
    }
    return std::nullopt;
}

// What may follow a value on its line: blanks, and a comment of plain printable characters.
bool IsPlainLineEnd(std::string_view rest) {
    if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t' && rest.front() != '#') {
        return false;
    }
    rest = SkipBlanks(rest);
    if (rest.empty()) {
        return true;
    }
    for (const char c : rest) {
        if ((c < ' ' && c != '\t') || c >= '\x7F') {
            return false;
        }
    }
    return rest.front() == '#';
}

}  // namespace

std::optional<LineDamage> HeaderWithoutKey(std::string_view line) {
    const std::string_view start = SkipBlanks(line);
    if (!start.starts_with('[')) {
        return std::nullopt;
    }
    if (!start.starts_with("[[")) {
        return FromHeader(start.substr(1));
    }
    const std::string_view rest = SkipBlanks(start.substr(2));
    if (!rest.empty() && (IsBareKeyCharacter(rest.front()) || rest.front() == '"' ||
                          rest.front() == '\'' || rest.front() == ']')) {
        return std::nullopt;
    }
    return Saw(kNoKeyInHeader, rest);
}

std::string LineDamage::Text() const {
    std::string text(description);
    if (!saw.empty()) {
        text.append(saw).push_back('\'');
    }
    return text;
}

std::optional<LineDamage> QuickLineDamage(std::string_view line) {
    const std::string_view rest = SkipBlanks(line);
    if (rest.empty() || rest.front() == '#') {
        return std::nullopt;
    }
    const char first = rest.front();
    if (first == '[') {
        return HeaderWithoutKey(rest);
    }
    if (IsBareKeyCharacter(first) || first == '"') {
        return FromKey(rest);
    }
    if (first == '\'') {
        return std::nullopt;
    }
    return Saw(kNothingStarts, rest);
}

std::optional<PlainLine> QuickPlainLine(std::string_view line) {
    std::string_view rest = SkipBlanks(line);
    const size_t brackets = rest.starts_with("[[") ? 2 : rest.starts_with('[') ? 1 : 0;
    rest = SkipBlanks(rest.substr(brackets));
    size_t keyLength = 0;
    while (keyLength < rest.size() && IsBareKeyCharacter(rest[keyLength])) {
        ++keyLength;
    }
    const std::string_view key = rest.substr(0, keyLength);
    const std::string_view afterKey = SkipBlanks(rest.substr(keyLength));
    if (keyLength == 0) {
        return std::nullopt;
    }
    if (brackets > 0) {
        const std::string_view close = brackets == 2 ? "]]" : "]";
        if (!afterKey.starts_with(close) || !IsPlainLineEnd(afterKey.substr(close.size()))) {
            return std::nullopt;
        }
        return PlainLine{
            brackets == 2 ? PlainLine::Kind::TableList : PlainLine::Kind::Table, key, {}};
    }
    if (afterKey.empty() || afterKey.front() != '=') {
        return std::nullopt;
    }
    const std::string_view value = SkipBlanks(afterKey.substr(1));
    const auto plain = PlainValue(value);
    if (!plain || !IsPlainLineEnd(value.substr(plain->first))) {
        return std::nullopt;
    }
    return PlainLine{PlainLine::Kind::Entry, key, plain->second};
}

bool MightContinue(std::string_view line) {
    // A header's own brackets open nothing; any other may open a list.
    std::string_view rest = SkipBlanks(line);
    const size_t brackets = rest.starts_with("[[") ? 2 : rest.starts_with('[') ? 1 : 0;
    rest.remove_prefix(brackets);
    return rest.find_first_of("[{") != std::string_view::npos ||
           rest.find("\"\"\"") != std::string_view::npos ||
           rest.find("'''") != std::string_view::npos;
}

bool SurelyRefusedWhole(std::span<const std::string_view> lines) {
    for (const std::string_view line : lines) {
        if (QuickLineDamage(line)) {
            return true;
        }
        if (MightContinue(line)) {
            return false;
        }
    }
    return false;
}

}  // namespace Drobix

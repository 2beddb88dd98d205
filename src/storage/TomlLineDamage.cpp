// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/TomlLineDamage.h"

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
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '-';
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
bool RunsOpenToLineEnd(std::string_view text) {
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
        RunsOpenToLineEnd(rest.substr(1))) {
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
    if (!RunsOpenToLineEnd(text)) {
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
    if (!rest.empty() &&
        (IsBareKeyCharacter(rest.front()) || rest.front() == '"' || rest.front() == '\'' ||
         rest.front() == '[' || rest.front() == ']')) {
        return std::nullopt;
    }
    return Saw(kNoKeyInHeader, rest);
}

}  // namespace

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
        return FromHeader(rest.substr(1));
    }
    if (IsBareKeyCharacter(first) || first == '"') {
        return FromKey(rest);
    }
    if (first == '\'') {
        return std::nullopt;
    }
    return Saw(kNothingStarts, rest);
}

}  // namespace Drobix

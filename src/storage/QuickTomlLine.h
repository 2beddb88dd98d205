// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace Drobix {

// Why toml++ refuses a line read alone, in its own words: the description up to the character
// it saw, that character as it writes one, and the closing quote when it names one.
struct LineDamage {
    std::string_view description;
    std::string_view saw;

    std::string Text() const;
};

// The damage of a line (without its line end) that toml++ would refuse at once, found without
// parsing it: a line that starts with what starts nothing, a lone "[", a key with no "=" or no
// value, a string left open. Nothing for every other line, damaged or not, which toml++ reads:
// a damaged file's short lines are read many times faster so, and each message is the parser's.
std::optional<LineDamage> QuickLineDamage(std::string_view line);

// The damage of a line that opens a table header ("[" or "[[") with no key after it, past any
// blanks: toml++ takes that key as given, checking it only in a debug build, so such a line must
// never reach it. Nothing for every other line.
std::optional<LineDamage> HeaderWithoutKey(std::string_view line);

// A line that plainly gives one value to one bare key (`key = 3`, `key = true`,
// `key = "text"`) or names one table by a bare key (`[key]`, `[[key]]`), a comment after it or
// not: what reading a damaged file line by line needs of it, the key and, for an entry, the
// parser's word for the value's type.
struct PlainLine {
    enum class Kind { Entry, Table, TableList };
    Kind kind = Kind::Entry;
    std::string_view key;
    std::string_view type;
};

// The line when it is plain as above; nothing for every other line, which toml++ reads.
std::optional<PlainLine> QuickPlainLine(std::string_view line);

// Whether the line could open something that the next lines continue in a whole document (a
// list, a string of several lines, a table in braces); false only when it plainly cannot.
bool MightContinue(std::string_view line);

// Whether toml++ is sure to refuse the lines read as one document: a line damaged on its own
// comes before any line that could open something for it to continue.
bool SurelyRefusedWhole(std::span<const std::string_view> lines);

}  // namespace Drobix

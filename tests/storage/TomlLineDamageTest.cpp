// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A damaged line's fault found without the parser: wherever it is found, it is the parser's own
// message, word for word, and it is found for the short damaged lines a large file can hold
// thousands of.
#include "storage/TomlLineDamage.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "storage/TomlLine.h"

namespace Drobix {
namespace {

using namespace std::string_view_literals;

constexpr size_t kAsciiEnd = 0x80;

// Beginnings of lines that lead the parser down each of its paths, each followed by every
// ASCII character (and two of longer UTF-8) and then by endings that close or open things.
constexpr std::array kStarts = {"",        " ",       "\t",      "[",     "[ ",     "[[",
                                "m",       "m ",      "m\t=",    "m=",    "m = ",   "\"q\"",
                                "\"q\" =", "\"",      "\"\"",    "'",     "a.b",    "m = \"",
                                "m = \"a", "k = [",   "m = 1",   "\"q\\", "[a",     "-"};
constexpr std::array kEnds = {"", "x", " = 1", "\"", "]", "=", "\\", " ", "\t#c", "\r"};
constexpr std::array kLongerUtf8 = {"\xC3\xA9", "\xC2\xA0"};

void ExpectParserAgrees(const std::string& line, size_t& found) {
    const auto quick = QuickLineDamage(line);
    if (!quick) {
        return;
    }
    ++found;
    EXPECT_EQ(quick->Text(), ReadTomlLine(line).fault) << "line: " << line;
}

TEST(TomlLineDamageTest, EveryFaultFoundIsTheParserOwn) {
    size_t found = 0;
    for (const std::string start : kStarts) {
        for (const std::string end : kEnds) {
            for (size_t c = 0; c < kAsciiEnd; ++c) {
                if (c != '\n') {
                    ExpectParserAgrees(start + static_cast<char>(c) + end, found);
                }
            }
            for (const std::string longer : kLongerUtf8) {
                ExpectParserAgrees(start + longer + end, found);
            }
        }
    }
    // Many of these lines are damaged, and a good share of them is found.
    EXPECT_GT(found, kStarts.size() * kEnds.size() * kAsciiEnd / 4);
}

TEST(TomlLineDamageTest, ShortDamagedLinesAreFound) {
    for (const std::string_view line : std::initializer_list<std::string_view>{
             "m=", "m =  ", "music", "=", "[", "[ ", "window = \"w", "  \"Z\",", "\"abc",
          "m\0"sv, "m = ]", "m = # no value"}) {
        const auto quick = QuickLineDamage(line);
        ASSERT_TRUE(quick.has_value()) << "line: " << line;
        EXPECT_EQ(quick->Text(), ReadTomlLine(line).fault);
    }
}

TEST(TomlLineDamageTest, WhatIsNotPlainlyDamagedIsLeftToTheParser) {
    for (const std::string_view line : std::initializer_list<std::string_view>{
             "", "  ", "# comment", "m = 1", "[sound]", "[[list]]", "a.b = 2", "m = \"closed\"",
          "'literal", "\"esc\\\"", "m = tru", "k = [", "m=\r", "[ [x]]", "\"\"\"", "é = 1"}) {
        EXPECT_FALSE(QuickLineDamage(line).has_value()) << "line: " << line;
    }
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Lines told apart without the parser: a damaged line's fault, wherever it is found, is the
// parser's own message, word for word; a plain entry's key and type are the parser's; and a
// document is called surely refused only where the parser refuses it. Each is found for the
// short lines a large file can hold thousands of.
#include "storage/QuickTomlLine.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/TomlLine.h"

namespace Drobix {
namespace {

using namespace std::string_view_literals;

constexpr size_t kAsciiEnd = 0x80;

// Beginnings of lines that lead the parser down each of its paths, each followed by every
// ASCII character (and two of longer UTF-8) and then by endings that close or open things.
constexpr std::array kStarts = {"",        " ",     "\t",    "[",     "[ ",   "[[",
                                "m",       "m ",    "m\t=",  "m=",    "m = ", "\"q\"",
                                "\"q\" =", "\"",    "\"\"",  "'",     "a.b",  "m = \"",
                                "m = \"a", "k = [", "m = 1", "\"q\\", "[a",   "-"};
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

TEST(QuickTomlLineTest, EveryFaultFoundIsTheParserOwn) {
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

// toml++ assumes a key after "[" or "[[" and their blanks (asserting it in a debug build, and
// letting the compiler assume it otherwise): such a line is refused before the parser, in its
// words.
TEST(QuickTomlLineTest, AHeaderWithoutAKeyNeverReachesTheParser) {
    constexpr std::string_view kNoKey =
        "Error while parsing key: expected bare key starting character or string delimiter, saw ";
    EXPECT_EQ(ReadTomlLine("[[=").fault, std::string(kNoKey) + "'='");
    EXPECT_EQ(ReadTomlLine("  [[ \t#").fault, std::string(kNoKey) + "'#'");
    EXPECT_EQ(ReadTomlLine("[[[").fault, std::string(kNoKey) + "'['");
    EXPECT_EQ(ReadTomlLine("[").fault, std::string(kNoKey) + "'\\n'");
    EXPECT_EQ(ReadTomlLine("[[ ").fault, std::string(kNoKey) + "'\\n'");
    ASSERT_TRUE(QuickLineDamage("[[ =]]").has_value());
    EXPECT_EQ(QuickLineDamage("[[ =]]")->Text(), std::string(kNoKey) + "'='");
    EXPECT_FALSE(HeaderWithoutKey("[[list]]").has_value());
    EXPECT_FALSE(HeaderWithoutKey("[[ ]]").has_value());
    EXPECT_FALSE(HeaderWithoutKey("[ [x]]").has_value());
}

TEST(QuickTomlLineTest, ShortDamagedLinesAreFound) {
    for (const std::string_view line : std::initializer_list<std::string_view>{
             "m=", "m =  ", "music", "=", "[", "[ ", "window = \"w", "  \"Z\",", "\"abc", "m\0"sv,
             "m = ]", "m = # no value"}) {
        const auto quick = QuickLineDamage(line);
        ASSERT_TRUE(quick.has_value()) << "line: " << line;
        EXPECT_EQ(quick->Text(), ReadTomlLine(line).fault);
    }
}

TEST(QuickTomlLineTest, WhatIsNotPlainlyDamagedIsLeftToTheParser) {
    for (const std::string_view line : std::initializer_list<std::string_view>{
             "", "  ", "# comment", "m = 1", "[sound]", "[[list]]", "a.b = 2", "m = \"closed\"",
             "'literal", "\"esc\\\"", "m = tru", "k = [", "m=\r", "[ [x]]", "\"\"\"", "é = 1"}) {
        EXPECT_FALSE(QuickLineDamage(line).has_value()) << "line: " << line;
    }
}

// The one key the parser finds on the line and the parser's word for the type of what it holds;
// empty when the line is not one key.
std::pair<std::string, std::string> ParserKey(std::string_view line) {
    const TomlLine read = ReadTomlLine(line);
    if (!read.table || read.table->size() != 1) {
        return {};
    }
    std::ostringstream type;
    type << read.table->begin()->second.type();
    return {std::string(read.table->begin()->first.str()), type.str()};
}

// What the parser's word for the type is for each kind of plain line.
std::string ParserType(const PlainLine& plain) {
    switch (plain.kind) {
        case PlainLine::Kind::Entry:
            return std::string(plain.type);
        case PlainLine::Kind::Table:
            return "table";
        case PlainLine::Kind::TableList:
            return "array";
    }
    return {};
}

// Each line made of a start, a key, a middle and an end; how many were plain.
size_t ExpectPlainLinesAgree(std::span<const std::string_view> starts,
                             std::span<const std::string_view> keys,
                             std::span<const std::string_view> middles,
                             std::span<const std::string_view> ends) {
    size_t found = 0;
    for (const std::string_view start : starts) {
        for (const std::string_view key : keys) {
            for (const std::string_view middle : middles) {
                for (const std::string_view end : ends) {
                    std::string line(start);
                    line.append(key).append(middle).append(end);
                    const auto plain = QuickPlainLine(line);
                    if (!plain) {
                        continue;
                    }
                    ++found;
                    const auto [parserKey, parserType] = ParserKey(line);
                    EXPECT_EQ(plain->key, parserKey) << "line: " << line;
                    EXPECT_EQ(ParserType(*plain), parserType) << "line: " << line;
                }
            }
        }
    }
    return found;
}

constexpr std::array<std::string_view, 4> kPlainKeys = {"music", "k-1_", "\"q\"", "a.b"};
constexpr std::array<std::string_view, 10> kPlainEnds = {"",  " ",  "\t", "# c", " # c d",
                                                         "x", " x", ".5", "\r",  " #\x01"};
constexpr std::array<std::string_view, 2> kEntryStarts = {"", "  "};
constexpr std::array<std::string_view, 23> kEntryValues = {" = 0",
                                                           "=7",
                                                           " = 120",
                                                           " = 999999999999999999",
                                                           " = true",
                                                           " = false",
                                                           " = \"fullscreen\"",
                                                           " = \"a b\"",
                                                           " = 01",
                                                           " = 1_0",
                                                           " = +1",
                                                           " = -1",
                                                           " = 1.5",
                                                           " = 1e3",
                                                           " = 0x1F",
                                                           " = 1979-05-27",
                                                           " = tru",
                                                           " = \"\"",
                                                           " = \"a\\\"",
                                                           " = \"\"\"x\"\"\"",
                                                           " = [1]",
                                                           " = {a=1}",
                                                           " = inf"};
constexpr std::array<std::string_view, 5> kHeaderStarts = {"[", "[ ", "[[", " [[ ", "[ ["};
constexpr std::array<std::string_view, 5> kHeaderEnds = {"]", " ]", "]]", " ]]", "] ]"};

TEST(QuickTomlLineTest, EveryPlainLineIsTheParserOwn) {
    const size_t entries =
        ExpectPlainLinesAgree(kEntryStarts, kPlainKeys, kEntryValues, kPlainEnds);
    // The eight plain values, each with the five plain endings, the two bare keys and starts.
    EXPECT_EQ(entries, 8U * 5U * 2U * 2U);
    const size_t headers =
        ExpectPlainLinesAgree(kHeaderStarts, kPlainKeys, kHeaderEnds, kPlainEnds);
    // "[" with "]" and "[[" with "]]", each with blanks or none, the two bare keys, five endings.
    EXPECT_EQ(headers, 2U * 4U * 2U * 5U);
}

TEST(QuickTomlLineTest, AWholeDocumentIsCalledRefusedOnlyWhenItIs) {
    const auto refused = [](std::initializer_list<std::string_view> lines) {
        const std::vector<std::string_view> all(lines);
        std::string text;
        for (const std::string_view line : all) {
            text.append(line).push_back('\n');
        }
        const bool parserRefuses = !ReadTomlLine(text).fault.empty();
        const bool sure = SurelyRefusedWhole(all);
        // Sure means refused; the parser may refuse more.
        EXPECT_TRUE(!sure || parserRefuses) << text;
        return sure;
    };
    EXPECT_TRUE(refused({"[play]", "k1 = 1", "m="}));
    EXPECT_TRUE(refused({"# note", "", "=", "[sound]"}));
    EXPECT_FALSE(refused({"[play]", "k1 = 1"}));
    // What follows a list or a string of several lines may be a part of it.
    EXPECT_FALSE(refused({"drop = [", "  \"Z\",", "]"}));
    EXPECT_FALSE(refused({"text = \"\"\"", "abc", "\"\"\""}));
    EXPECT_FALSE(refused({"text = '''", "=", "'''"}));
    EXPECT_FALSE(refused({"k = [1,", "2]", "m="}));
    EXPECT_FALSE(refused({"k = {a = 1}", "m="}));
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window system's text becomes in a name: Windows-1252's share of Unicode only.
#include "platform/helpers/TypedText.h"

#include <gtest/gtest.h>

#include <string>

namespace Drobix::Platform {
namespace {

std::string Typed(std::string_view utf8) {
    std::string out;
    AppendTypedText(utf8, out);
    return out;
}

TEST(TypedTextTest, KeepsAsciiAndLatin1AndLeavesOutTheRest) {
    EXPECT_EQ(Typed("xy Z9$_~"), "xy Z9$_~");
    // é and ï are U+00E9 and U+00EF, the same bytes in Windows-1252; € (U+20AC), the Greek
    // alpha and an emoji have no place in it.
    EXPECT_EQ(Typed("\xC3\xA9\xC3\xAF"), "\xE9\xEF");
    EXPECT_EQ(Typed("a\xE2\x82\xAC"
                    "b\xCE\xB1"
                    "c\xF0\x9F\x99\x82"),
              "abc");
    // Control characters: tab, Delete, and the C1 range U+0080..U+009F.
    EXPECT_EQ(Typed("a\tb\x7F"
                    "c\xC2\x85"
                    "d"),
              "abcd");
    EXPECT_EQ(Typed("\xC2\xA0\xC3\xBF"), "\xA0\xFF");
}

TEST(TypedTextTest, MalformedBytesCostOnlyThemselves) {
    // A lone continuation byte, a lead byte cut short by the end or by another character, an
    // overlong form of "/" and a lead byte that no UTF-8 uses.
    EXPECT_EQ(Typed("a\x80"
                    "b"),
              "ab");
    EXPECT_EQ(Typed("a\xC3"), "a");
    EXPECT_EQ(Typed("a\xC3"
                    "b"),
              "ab");
    EXPECT_EQ(Typed("a\xC0\xAF"
                    "b"),
              "ab");
    EXPECT_EQ(Typed("a\xE0\x80\xAF"
                    "b"),
              "ab");
    EXPECT_EQ(Typed("a\xFF"
                    "b"),
              "ab");
}

TEST(TypedTextTest, NoMoreThanTheLimitWaits) {
    std::string out;
    AppendTypedText(std::string(kMaxTypedText + 10, 'q'), out);
    EXPECT_EQ(out, std::string(kMaxTypedText, 'q'));
    AppendTypedCodePoint('r', out);
    EXPECT_EQ(out.size(), kMaxTypedText);
    out.clear();
    AppendTypedCodePoint(0xE9, out);
    AppendTypedCodePoint(0x100, out);
    AppendTypedCodePoint(0x1F, out);
    EXPECT_EQ(out, "\xE9");
}

}  // namespace
}  // namespace Drobix::Platform

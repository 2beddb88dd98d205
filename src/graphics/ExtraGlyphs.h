// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The characters each font draws beyond its first picture, for the languages of the catalogues:
// Latin-1 Supplement, Latin Extended-A, Greek, Cyrillic (with Ukrainian's Ґ), the quotation
// marks, dashes and ellipsis they write, and the replacement character drawn for any other.
// Their glyphs lie in a second picture per font, in this order, row after row; the asset tool
// makes the pictures from the same list.

namespace Drobix {

struct CodePointRange {
    char32_t first;
    char32_t last;
};

inline constexpr std::array<CodePointRange, 12> kExtraGlyphRanges{{
    {U'\u00A0', U'\u017F'},  // Latin-1 Supplement and Latin Extended-A
    {U'\u0384', U'\u038A'},  // Greek tonos and accented capitals
    {U'\u038C', U'\u038C'},
    {U'\u038E', U'\u03A1'},
    {U'\u03A3', U'\u03CE'},
    {U'\u0400', U'\u045F'},  // Cyrillic
    {U'\u0490', U'\u0491'},
    {U'\u2013', U'\u2014'},  // dashes
    {U'\u2018', U'\u201E'},  // quotation marks
    {U'\u2026', U'\u2026'},  // ellipsis
    {U'\u2039', U'\u203A'},
    {U'\uFFFD', U'\uFFFD'},  // the replacement character
}};

// The small font's special bytes and the characters their glyphs show, as the catalogues write
// them: arrows left, right, up and down, and the copyright sign.
struct SpecialGlyphByte {
    char byte;
    char32_t codePoint;
    std::string_view utf8;
};
inline constexpr std::array<SpecialGlyphByte, 5> kSpecialGlyphBytes{{
    {'\xAB', U'\u2190', "\xE2\x86\x90"},
    {'\xBB', U'\u2192', "\xE2\x86\x92"},
    {'\xBC', U'\u2191', "\xE2\x86\x91"},
    {'\xA1', U'\u2193', "\xE2\x86\x93"},
    {'\xEF', U'\u00A9', "\xC2\xA9"},
}};

// The glyph drawn for a character that no picture of the font holds.
inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

constexpr std::size_t ExtraGlyphCount() {
    std::size_t count = 0;
    for (const CodePointRange& range : kExtraGlyphRanges) {
        count += range.last - range.first + 1;
    }
    return count;
}

// The characters in picture order.
constexpr std::array<char32_t, ExtraGlyphCount()> ExtraGlyphOrder() {
    std::array<char32_t, ExtraGlyphCount()> order{};
    std::size_t next = 0;
    for (const CodePointRange& range : kExtraGlyphRanges) {
        for (char32_t c = range.first; c <= range.last; ++c) {
            order[next++] = c;
        }
    }
    return order;
}

}  // namespace Drobix

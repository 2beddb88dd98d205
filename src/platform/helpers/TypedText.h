// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Drobix::Platform {

// Text a keyboard typed, kept until the program takes it; never more than kMaxTypedText
// characters wait, the rest of a burst is dropped.
constexpr size_t kMaxTypedText = 64;

// Appends the characters of UTF-8 text that Windows-1252 shares with Unicode's first 256 code
// points (the printable ASCII and Latin-1 ones); control characters, every other code point
// and malformed bytes are left out. Stops at kMaxTypedText characters in out.
void AppendTypedText(std::string_view utf8, std::string& out);
// The same for one code point.
void AppendTypedCodePoint(uint32_t codePoint, std::string& out);

}  // namespace Drobix::Platform

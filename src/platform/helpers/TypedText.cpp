// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/TypedText.h"

namespace Drobix::Platform {

namespace {

constexpr uint32_t kFirstPrintable = 0x20;
constexpr uint32_t kDelete = 0x7F;
constexpr uint32_t kFirstLatin1Printable = 0xA0;
constexpr uint32_t kLastLatin1 = 0xFF;
constexpr uint32_t kNoCharacter = 0xFFFFFFFF;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// The code point that starts at text[at], and its length in bytes (1 for a malformed byte, which
// then stands for no character).
uint32_t DecodeAt(std::string_view text, size_t at, size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = 1;
    uint32_t lowest = 0;
    uint32_t code = 0;
    if (lead < 0x80U) {
        return lead;
    }
    if ((lead & 0xE0U) == 0xC0U) {
        length = 2;
        lowest = 0x80;
        code = lead & 0x1FU;
    } else if ((lead & 0xF0U) == 0xE0U) {
        length = 3;
        lowest = 0x800;
        code = lead & 0x0FU;
    } else if ((lead & 0xF8U) == 0xF0U) {
        length = 4;
        lowest = 0x10000;
        code = lead & 0x07U;
    } else {
        return kNoCharacter;
    }
    if (at + length > text.size()) {
        length = 1;
        return kNoCharacter;
    }
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if (!IsContinuation(next)) {
            length = 1;
            return kNoCharacter;
        }
        code = (code << 6U) | (next & 0x3FU);
    }
    return code < lowest ? kNoCharacter : code;
}

bool IsTypable(uint32_t code) {
    return (code >= kFirstPrintable && code < kDelete) ||
           (code >= kFirstLatin1Printable && code <= kLastLatin1);
}

}  // namespace

void AppendTypedText(std::string_view utf8, std::string& out) {
    for (size_t at = 0; at < utf8.size();) {
        size_t length = 1;
        AppendTypedCodePoint(DecodeAt(utf8, at, length), out);
        at += length;
    }
}

void AppendTypedCodePoint(uint32_t codePoint, std::string& out) {
    if (IsTypable(codePoint) && out.size() < kMaxTypedText) {
        out.push_back(static_cast<char>(codePoint));
    }
}

}  // namespace Drobix::Platform

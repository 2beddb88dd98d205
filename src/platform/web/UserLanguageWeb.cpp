// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten.h>

#include <array>

#include "platform/UserLanguage.h"

// The browser's language as the page sees it ("de-DE") into the buffer, cut to fit; its whole
// length in bytes, or -1 where there is none (under node, which drobix-replay runs in).
EM_JS(int, drobix_browser_language, (char* buffer, int size), {
    if (typeof navigator == "undefined" || typeof navigator.language != "string") {
        return -1;
    }
    stringToUTF8(navigator.language, buffer, size);
    return lengthBytesUTF8(navigator.language);
});

namespace Drobix::Platform {

namespace {

// Longer than any tag a locale name is made from.
constexpr int kMaxLanguageLength = 35;

}  // namespace

std::optional<std::string> UserInterfaceLanguage() {
    std::array<char, kMaxLanguageLength + 1> buffer{};
    const int length = drobix_browser_language(buffer.data(), static_cast<int>(buffer.size()));
    // An outside input: a language too long to be one is none.
    if (length <= 0 || length > kMaxLanguageLength) {
        return std::nullopt;
    }
    // In the locale's form ("de_DE"), as the variables give it.
    std::string text(buffer.data(), static_cast<size_t>(length));
    for (char& c : text) {
        if (c == '-') {
            c = '_';
        }
    }
    return text;
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/windows/WideText.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace Drobix::Platform::Windows {

namespace {

std::wstring WideFrom(UINT codePage, std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(wideLength, 0)), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

}  // namespace

std::wstring WidePath(std::string_view utf8) {
    std::wstring wide = WideFrom(CP_UTF8, utf8);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

std::string Utf8FromWide(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(std::max(utf8Length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), utf8Length, nullptr, nullptr);
    return utf8;
}

std::string Utf8FromAnsi(std::string_view ansi) {
    return Utf8FromWide(WideFrom(CP_ACP, ansi));
}

}  // namespace Drobix::Platform::Windows

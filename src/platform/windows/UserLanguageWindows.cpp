// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <algorithm>

#include "platform/UserLanguage.h"
#include "platform/windows/WideText.h"

namespace Drobix::Platform {

std::optional<std::string> UserInterfaceLanguage() {
    const LANGID language = GetUserDefaultUILanguage();
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(language, SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0) == 0) {
        return std::nullopt;
    }
    // Windows writes "pt-BR" where the catalogues are named as POSIX locales are, "pt_BR".
    std::string locale = Windows::Utf8FromWide(name);
    std::replace(locale.begin(), locale.end(), '-', '_');
    if (locale.empty()) {
        return std::nullopt;
    }
    return locale;
}

}  // namespace Drobix::Platform

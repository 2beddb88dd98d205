// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The language the user chose for the system's own interface, where the system keeps one apart
// from the environment. One implementation per system: posix/UserLanguagePosix.cpp (none: the
// locale variables are the choice there), windows/UserLanguageWindows.cpp.

#include <optional>
#include <string>

namespace Drobix::Platform {

// The user's interface language as a locale name such as "de_DE" or "pt_BR"; empty where the
// system has none of its own or cannot say.
std::optional<std::string> UserInterfaceLanguage();

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's text is UTF-8; Windows' wide calls take UTF-16. Conversions both ways, and the
// ANSI code page's text of the narrow calls.

#include <string>
#include <string_view>

namespace Drobix::Platform::Windows {

// A path for the wide calls: UTF-16, with '/' turned into '\'.
std::wstring WidePath(std::string_view utf8);

std::string Utf8FromWide(std::wstring_view wide);

// Text of the ANSI code page (what the narrow calls give) as UTF-8.
std::string Utf8FromAnsi(std::string_view ansi);

}  // namespace Drobix::Platform::Windows

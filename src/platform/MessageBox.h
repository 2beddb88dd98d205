// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Messages to the user. Backends: sdl/MessageBoxSdl.cpp and scripted/MessageBoxScripted.cpp.

#include <string_view>

namespace Drobix::Platform {

// A modal message with an OK button; also written to standard error, so the text is seen where no
// display can show a box.
void ShowMessageBox(std::string_view caption, std::string_view text);

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Drobix {

// How the game's window is shown, as the player chose it last.
enum class SavedWindowMode { Fullscreen, Window };

// The file that remembers it, apart from the data file: drobix/window-mode under the user's
// configuration folder. Empty when there is no such folder.
std::optional<std::string> WindowModeFilePath();

// The mode a file's text names: one word, "fullscreen" or "window", and an optional line end.
// Anything else names none.
std::optional<SavedWindowMode> ParseWindowMode(std::string_view text);
std::string_view WindowModeText(SavedWindowMode mode);

// The mode remembered in the file; fullscreen when the file is missing, unreadable, not a
// regular file, too long or says anything else.
SavedWindowMode LoadWindowMode();
// Writes the file (and its folder when needed); false when that failed.
bool SaveWindowMode(SavedWindowMode mode);

}  // namespace Drobix

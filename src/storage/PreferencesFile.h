// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "storage/Preferences.h"

namespace Drobix {

// The player's preferences live in drobix/settings.toml under the user's configuration folder;
// empty when there is no such folder.
std::optional<std::string> PreferencesFilePath();

// Reads a settings file's text over the defaults. Every entry that is damaged, unknown, of the
// wrong type or out of range costs only itself: it keeps its default, and one line naming the
// file, the entry and the fault goes to faults. Never throws.
Preferences ParsePreferences(std::string_view text, std::string_view fileName,
                             std::ostream& faults);

// The settings file's text for the preferences.
std::string WritePreferences(const Preferences& preferences);

// Reads the file into GetPreferences () and binds its keys; a missing file means the defaults.
// Where there is no settings file yet, the window mode of the older one-word file is carried
// over into a new settings file, and the old file removed once that is written. Faults go to
// faults, one line each.
void LoadPreferences(std::ostream& faults);

// Writes GetPreferences () to the file as the data file is written: a temporary file renamed
// over it, its mode kept, a read-only file or anything but a regular file left alone. False
// when nothing was written.
bool SavePreferences();

}  // namespace Drobix

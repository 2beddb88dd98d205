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

// As ParsePreferences; isSettings is false when the text says something and not one line of it
// is TOML: then it is no settings file at all, and every line it cost was left unsaid.
Preferences ParsePreferencesText(std::string_view text, std::string_view fileName,
                                 std::ostream& faults, bool& isSettings);

// The settings file's text for the preferences: every setting, for a new file.
std::string WritePreferences(const Preferences& preferences);

// Reads the file into GetPreferences () and binds its keys; a missing file means the defaults.
// A file that is refused as a whole (larger than 64 KiB, no TOML at all, not a regular file
// where its links lead) means the defaults too, and is never written over in this run. Where
// there is no settings file yet, the window mode of the older one-word file is carried
// over into a new settings file, and the old file removed once that is written. Faults go to
// faults, one line each.
void LoadPreferences(std::ostream& faults);

// Writes this copy's changes since it last read or wrote the file into the file as it stands
// now, under a lock that other copies take too: only the changed entries' values change, and
// the file is replaced at once, its mode kept (see EditSettingsText). A read-only file, or one
// refused at loading, is left alone. A failure is told on standard error, naming the file and
// the system's reason, and PreferencesFileProblem says it until a save succeeds. False when
// nothing was written.
bool SavePreferences();

// Why changes are not saved, for the settings and controls screens to say: the file was refused
// at loading, or the last save failed (with the system's reason); None while they are saved.
struct PreferencesProblem {
    enum class Kind { None, NotRead, NotSaved };
    Kind kind = Kind::None;
    std::string reason;
};
PreferencesProblem PreferencesFileProblem();

namespace Testing {
// Where a failed save is told; nullptr for standard error.
void SetPreferencesSaveReport(std::ostream* sink);
}  // namespace Testing

}  // namespace Drobix

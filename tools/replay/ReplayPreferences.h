// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>

namespace Drobix::Replay {

// "window=... music=N effects=N shadow=0|1 patterns=0|1", followed by " handling=...",
// " repeat_delay_ms=N" and " repeat_interval_ms=N" where each differs from its default, then one
// line per action with the names of its keys: what the program holds now.
void PrintPreferences(std::ostream& out);
// "settingsfile N bytes" and the text of the settings file as it stands on disk, or
// "settingsfile none". Anything but a regular file there (a folder, a FIFO) is not opened: one
// line names it, with the game's own words for it.
void PrintPreferencesFile(std::ostream& out);
// Reads the settings file again as start-up does, printing its faults with the configuration
// folder written as $XDG_CONFIG_HOME, so that the output does not depend on where it runs.
void ReloadPreferences(std::ostream& out);

}  // namespace Drobix::Replay

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix {

// Writes the data file as the exit would write it at this moment, through the same save, and
// keeps the record for the rest of the run: a kill or a power cut after this loses nothing
// before it. Does nothing when the settings were never loaded.
void SaveSettingsNow();

}  // namespace Drobix

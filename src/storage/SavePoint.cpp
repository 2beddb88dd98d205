// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/SavePoint.h"

#include "storage/Settings.h"

namespace Drobix {

void SaveSettingsNow() {
    const Settings* current = GetSettings();
    if (current == nullptr) {
        return;
    }
    const Settings kept = *current;
    // The exit's save ends the record's life; a new record takes the values back, whatever the
    // file now holds and whether or not it could be written.
    SaveSettings();
    LoadSettings();
    *GetSettings() = kept;
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/Preferences.h"

namespace Drobix {

Preferences& GetPreferences() {
    static Preferences preferences;
    return preferences;
}

}  // namespace Drobix

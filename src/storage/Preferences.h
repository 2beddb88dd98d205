// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "input/GameActions.h"

namespace Drobix {

// Sound levels run from silent (0) to the game's full level (10), 3 dB apart.
constexpr int kMinSoundLevel = 0;
constexpr int kMaxSoundLevel = 10;

// How the game's window is shown.
enum class PreferredWindowMode { Fullscreen, Window };

// The player's preferences beyond the options of the data file. With every one at its default,
// the game is exactly the game without them.
struct Preferences {
    PreferredWindowMode windowMode = PreferredWindowMode::Fullscreen;
    int musicLevel = kMaxSoundLevel;
    int effectsLevel = kMaxSoundLevel;
    // An outline of the falling block where it would land.
    bool shadow = false;
    // Each shape's cells carry a pattern of their own besides their colour.
    bool patterns = false;
    KeyBindings keys = DefaultKeyBindings();
};

// The one record, defaults until changed; lives as long as the program.
Preferences& GetPreferences();

}  // namespace Drobix

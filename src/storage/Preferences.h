// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "input/GameActions.h"

namespace Drobix {

// Sound levels run from silent (0) to the game's full level (10), 3 dB apart.
constexpr int kMinSoundLevel = 0;
constexpr int kMaxSoundLevel = 10;

// How keys act and a name is typed: exactly as the game always has, or as players of today's
// games expect (a key acts as it goes down and repeats like a keyboard, keys act together, the
// name is typed as the window system reports the typing).
enum class Handling { Classic, Modern };

// The modern handling's repeat: the first after a delay, then one each interval, in
// milliseconds. A delay of 0 repeats from the next frame; an interval under 10 ms would act on
// every frame at any frame rate, so it is the least.
constexpr int kMinRepeatDelayMs = 0;
constexpr int kMaxRepeatDelayMs = 1000;
constexpr int kDefaultRepeatDelayMs = 170;
constexpr int kMinRepeatIntervalMs = 10;
constexpr int kMaxRepeatIntervalMs = 1000;
constexpr int kDefaultRepeatIntervalMs = 50;

// The language setting that follows the system's (the environment's locale).
inline constexpr const char* kAutomaticLanguage = "auto";

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
    Handling handling = Handling::Classic;
    int repeatDelayMs = kDefaultRepeatDelayMs;
    int repeatIntervalMs = kDefaultRepeatIntervalMs;
    // kAutomaticLanguage, or a language's code such as "de" or "pt_BR" ("en": English).
    std::string language = kAutomaticLanguage;
};

// Why a key may not be bound to an action: the game keeps it for itself (F11 and Alt+Enter
// switch the window, the key left of 1 shows the frame rate), or, for Leave, it answers the
// question Leave asks (Y, N). Empty when the key may be bound.
std::string_view ReservedKeyReason(GameAction action, int key);

// The same, as a kind for the screens to put in the player's language.
enum class KeyReservation { None, GameOwn, Answer };
KeyReservation ReservedKeyFor(GameAction action, int key);

// Gives Leave and Pause, where either has no key, its first default key, taken from whichever
// action has it, so that a keyboard player can always pause and leave. The actions that got a
// key, in that order.
std::vector<GameAction> KeepLeaveAndPauseBound(KeyBindings& bindings);

// The one record, defaults until changed; lives as long as the program.
Preferences& GetPreferences();

inline bool IsModernHandling() {
    return GetPreferences().handling == Handling::Modern;
}

}  // namespace Drobix

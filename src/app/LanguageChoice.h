// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace Drobix {

// Where the automatic language comes from: a reader of environment variables (null: unset), as
// std::getenv; null reads nothing, so that the automatic language is English.
using EnvironmentReader = const char* (*)(const char* name);

// Puts the language of the preferences in use: the one chosen, or with "auto" the one the
// environment asks for. The reader is kept for the choices made later on the settings screen.
void ApplyLanguageChoice(EnvironmentReader environment);
void ApplyLanguageChoice();

// The language setting after the given one in the settings screen's order: automatic, English,
// then every language with a catalogue, then automatic again (backwards for a negative step).
std::string StepLanguageSetting(const std::string& setting, int direction);

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AudioBuffer.h"

namespace Drobix::AssetGen {

// The game's effects at 44100 Hz (the landing knock at 22050 Hz), each ending in silence.
AudioBuffer MakeLandingEffect();    // a short wooden knock
AudioBuffer MakeNewGameEffect();    // a bright "ready, go" call
AudioBuffer MakeGameOverEffect();   // a falling, drooping minor line
AudioBuffer MakeOneRowEffect();     // a two-note chime
AudioBuffer MakeTwoRowsEffect();    // a three-note rising chime
AudioBuffer MakeThreeRowsEffect();  // a rising arpeggio onto a ringing chord
AudioBuffer MakeFourRowsEffect();   // a two-octave run onto a big chord with a crash
AudioBuffer MakeLevelUpEffect();    // a short brass fanfare with sparkle

}  // namespace Drobix::AssetGen

#pragma once

#include "AudioBuffer.h"

namespace Drobix::AssetGen {

// The game's effects at 44100 Hz (the landing thud at 22050 Hz), each ending in silence.
AudioBuffer MakeLandingEffect();    // 131: a short soft thud
AudioBuffer MakeNewGameEffect();    // 137: a bright "ready, go" call
AudioBuffer MakeGameOverEffect();   // 133: a falling, drooping minor line
AudioBuffer MakeOneRowEffect();     // 136: a two-note chime
AudioBuffer MakeTwoRowsEffect();    // 139: a three-note rising chime
AudioBuffer MakeThreeRowsEffect();  // 138: a rising arpeggio onto a ringing chord
AudioBuffer MakeFourRowsEffect();   // 134: a two-octave run onto a big chord with a crash
AudioBuffer MakeLevelUpEffect();    // 135: a short brass fanfare with sparkle

}  // namespace Drobix::AssetGen

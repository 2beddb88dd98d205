#pragma once

#include "AudioBuffer.h"

namespace Drobix::AssetGen {

// The two menu tracks, stereo at 24000 Hz, each sixteen bars that loop seamlessly.
// A brisk A-minor march, square-wave lead over octave bass.
AudioBuffer MakeMarchTrack();
// A bouncy G-major tune, nasal pulse lead over a syncopated bass and a sparkling
// arpeggio.
AudioBuffer MakeBounceTrack();

}  // namespace Drobix::AssetGen

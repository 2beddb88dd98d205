#pragma once

#include "AudioBuffer.h"

namespace Drobix::AssetGen {

// The two menu tracks, stereo at 24000 Hz, each sixteen bars that loop seamlessly.
// Track 152: a brisk A-minor march, square-wave lead over octave bass.
AudioBuffer MakeMarchTrack();
// Track 153: a bouncy G-major tune, nasal pulse lead over a syncopated bass and a sparkling
// arpeggio.
AudioBuffer MakeBounceTrack();

}  // namespace Drobix::AssetGen

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AudioBuffer.h"

namespace Drobix::AssetGen {

// The two menu tracks, stereo at 24000 Hz, each sixteen bars that loop seamlessly, with the
// lead on one side and the accompaniment on the other.
// A brisk A-minor march, square-wave lead over octave bass; off-beat stabs, then a running
// arpeggio from bar 9.
AudioBuffer MakeMarchTrack();
// A bouncy G-major tune, nasal pulse lead over a syncopated bass; a sparkling arpeggio, then
// held off-beat chords from bar 9.
AudioBuffer MakeBounceTrack();

}  // namespace Drobix::AssetGen

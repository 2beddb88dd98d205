// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "AudioBuffer.h"
#include "Echo.h"
#include "Instrument.h"

namespace Drobix::AssetGen {

constexpr int kStepsPerBar = 16;

// A part that follows the chords: one character per sixteenth step of a bar, repeated every
// bar: 'R' root, 'T' third, 'F' fifth, 'O' octave, '-' holds the previous note, '.' rests.
struct ChordVoice {
    std::string_view pattern;
    // The pattern of the second section, from the arrangement's section bar on: a contrast to
    // the first. Empty: the first pattern throughout.
    std::string_view sectionPattern;
    int rootOctaveBase = 36;  // MIDI number of C in the octave of the roots
    Instrument instrument;
};

// Drum hits per sixteenth step: 'x' full, 'o' soft, '.' none. Fill bars use the fill pattern.
struct DrumPattern {
    std::string_view kick;
    std::string_view snare;
    std::string_view hat;
};

struct DrumKit {
    DrumPattern groove;
    DrumPattern fill;
    int fillEvery = 8;  // bars: the last bar of every group plays the fill
    double kickGain = 0.5;
    double snareGain = 0.3;
    double hatGain = 0.12;
    uint32_t noiseSeed = 1;
};

// A looping piece: melody with echo, bass and accompaniment from the chords, and drums.
struct Arrangement {
    int sampleRate = 24000;
    std::size_t stepFrames = 3000;
    std::string_view chords;  // one per bar
    std::string_view melody;
    Instrument lead;
    double legato = 0.85;  // part of each melody note's length that is held
    Echo leadEcho;
    std::size_t sectionBar = 8;  // where the second section begins
    ChordVoice bass;
    ChordVoice accompaniment;
    DrumKit drums;
};

// Renders the arrangement into a looping buffer exactly as long as its bars.
AudioBuffer RenderArrangement(const Arrangement& arrangement);

}  // namespace Drobix::AssetGen

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>
#include <vector>

namespace Drobix::AssetGen {

// A note of a written line, in sixteenth-note steps from the start of the piece.
struct ScoreNote {
    int step = 0;
    int steps = 1;
    int pitch = 60;  // MIDI note number
};

// A chord named as "A", "Am", "F#", "Bbm": root pitch class 0..11 (C = 0) and its third.
struct Chord {
    int root = 0;
    bool minor = false;

    int Third() const { return minor ? 3 : 4; }
};

// The MIDI number of a pitch written as letter, optional '#' or 'b', and octave: "c4" is 60.
int ParsePitch(std::string_view name);

// A melody written as "pitch:steps" tokens ("e5:4 r:2 g#4:2 | ..."), where "r" is a rest and
// "|" marks a bar line, which must fall on a whole bar of stepsPerBar. Rests are not returned.
std::vector<ScoreNote> ParseMelody(std::string_view text, int stepsPerBar);

// Chord names separated by spaces, one per bar.
std::vector<Chord> ParseChords(std::string_view text);

// The total length of the melody text in steps, rests included.
int MelodySteps(std::string_view text, int stepsPerBar);

}  // namespace Drobix::AssetGen

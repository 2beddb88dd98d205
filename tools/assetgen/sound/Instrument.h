// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

#include "AudioBuffer.h"
#include "Envelope.h"
#include "Oscillator.h"

namespace Drobix::AssetGen {

// A voice: two slightly detuned oscillators of one waveform, spread left and right for width,
// shaped by an envelope, with optional delayed vibrato and a gentle low-pass to soften buzz.
struct Instrument {
    Waveform waveform = Waveform::Pulse;
    double pulseWidth = 0.5;
    Envelope envelope;
    double gain = 0.3;
    double pan = 0.0;
    double spread = 0.0;       // how far the two oscillators sit apart in the stereo field
    double detuneCents = 0.0;  // of the second oscillator
    double vibratoSemitones = 0.0;
    double vibratoHz = 5.5;
    double vibratoDelay = 0.15;  // seconds before vibrato sets in
    double lowPassHz = 0.0;      // 0: no filter
};

// One note, as heard on the instrument.
struct Note {
    std::size_t startFrame = 0;
    double seconds = 0.0;  // held time; the release sounds after it
    double pitch = 60.0;   // MIDI note number
    double glide = 0.0;    // semitones the pitch moves over the held time
    double velocity = 1.0;
};

// Renders the note into the buffer, release tail included.
void Play(AudioBuffer& buffer, const Instrument& instrument, const Note& note);

}  // namespace Drobix::AssetGen

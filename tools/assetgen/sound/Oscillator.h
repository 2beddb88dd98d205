// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix::AssetGen {

enum class Waveform { Sine, Triangle, Pulse, Saw };

// The frequency in Hz of a note numbered as MIDI numbers them (69 is A at 440 Hz); fractions
// give the pitches in between, for glides and vibrato.
double NoteFrequency(double note);

// One oscillator with its own phase. Pulse and saw are band-limited with polynomial steps so
// that high notes do not alias at the lower sample rates.
class Oscillator {
public:
    explicit Oscillator(Waveform waveform, double pulseWidth = 0.5);

    // The next sample at the given frequency, then advances the phase. Every waveform has a
    // mean of 0 and a peak-to-peak height of 2.
    double Next(double frequency, double sampleRate);

private:
    Waveform waveform_;
    double pulseWidth_;
    double phase_ = 0.0;
};

}  // namespace Drobix::AssetGen

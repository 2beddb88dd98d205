// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Oscillator.h"

#include <cmath>
#include <numbers>

namespace Drobix::AssetGen {

namespace {

constexpr double kConcertA = 440.0;
constexpr double kConcertANote = 69.0;
constexpr double kSemitonesPerOctave = 12.0;

// The correction that rounds off a step of height 2 at phase 0, for a phase increment dt.
double PolyBlep(double phase, double dt) {
    if (phase < dt) {
        const double t = phase / dt;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - dt) {
        const double t = (phase - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Wrap(double phase) {
    return phase - std::floor(phase);
}

}  // namespace

double NoteFrequency(double note) {
    return kConcertA * std::pow(2.0, (note - kConcertANote) / kSemitonesPerOctave);
}

Oscillator::Oscillator(Waveform waveform, double pulseWidth)
    : waveform_(waveform), pulseWidth_(pulseWidth) {}

double Oscillator::Next(double frequency, double sampleRate) {
    const double dt = frequency / sampleRate;
    double value = 0.0;
    switch (waveform_) {
        case Waveform::Sine:
            value = std::sin(2.0 * std::numbers::pi * phase_);
            break;
        case Waveform::Triangle:
            value = phase_ < 0.5 ? 4.0 * phase_ - 1.0 : 3.0 - 4.0 * phase_;
            break;
        case Waveform::Pulse:
            // Less the wave's own mean, so that a narrow pulse carries no offset.
            value = (phase_ < pulseWidth_ ? 1.0 : -1.0) - (2.0 * pulseWidth_ - 1.0) +
                    PolyBlep(phase_, dt) - PolyBlep(Wrap(phase_ - pulseWidth_), dt);
            break;
        case Waveform::Saw:
            value = 2.0 * phase_ - 1.0 - PolyBlep(phase_, dt);
            break;
    }
    phase_ = Wrap(phase_ + dt);
    return value;
}

}  // namespace Drobix::AssetGen

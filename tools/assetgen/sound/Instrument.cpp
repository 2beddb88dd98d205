// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Instrument.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Drobix::AssetGen {

namespace {

constexpr double kCentsPerSemitone = 100.0;
constexpr double kVibratoRamp = 0.2;  // seconds for vibrato to reach its full depth

// A one-pole low-pass; with no cutoff it passes the signal unchanged.
class LowPass {
public:
    LowPass(double cutoffHz, double sampleRate)
        : coefficient_(cutoffHz > 0.0
                           ? 1.0 - std::exp(-2.0 * std::numbers::pi * cutoffHz / sampleRate)
                           : 1.0) {}

    double Next(double input) {
        state_ += coefficient_ * (input - state_);
        return state_;
    }

private:
    double coefficient_;
    double state_ = 0.0;
};

double PitchAt(const Instrument& instrument, const Note& note, double t) {
    double pitch = note.pitch + note.glide * std::min(t / note.seconds, 1.0);
    const double vibratoTime = t - instrument.vibratoDelay;
    if (instrument.vibratoSemitones > 0.0 && vibratoTime > 0.0) {
        const double depth =
            instrument.vibratoSemitones * std::min(vibratoTime / kVibratoRamp, 1.0);
        pitch += depth * std::sin(2.0 * std::numbers::pi * instrument.vibratoHz * vibratoTime);
    }
    return pitch;
}

}  // namespace

void Play(AudioBuffer& buffer, const Instrument& instrument, const Note& note) {
    const double rate = buffer.SampleRate();
    Oscillator first(instrument.waveform, instrument.pulseWidth);
    Oscillator second(instrument.waveform, instrument.pulseWidth);
    LowPass firstFilter(instrument.lowPassHz, rate);
    LowPass secondFilter(instrument.lowPassHz, rate);
    const double detune = std::pow(2.0, instrument.detuneCents / (12.0 * kCentsPerSemitone));
    const double leftPan = std::clamp(instrument.pan - instrument.spread, -1.0, 1.0);
    const double rightPan = std::clamp(instrument.pan + instrument.spread, -1.0, 1.0);
    const double level = instrument.gain * note.velocity * 0.5;  // two oscillators share it

    const std::size_t frames = buffer.FramesIn(note.seconds + instrument.envelope.release);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double frequency = NoteFrequency(PitchAt(instrument, note, t));
        const double amplitude = level * instrument.envelope.Level(t, note.seconds);
        const double a = firstFilter.Next(first.Next(frequency, rate));
        const double b = secondFilter.Next(second.Next(frequency * detune, rate));
        buffer.AddPanned(note.startFrame + i, a * amplitude, leftPan);
        buffer.AddPanned(note.startFrame + i, b * amplitude, rightPan);
    }
}

}  // namespace Drobix::AssetGen

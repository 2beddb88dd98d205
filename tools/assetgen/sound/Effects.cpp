// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Effects.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string_view>
#include <utility>
#include <vector>

#include "Drums.h"
#include "Echo.h"
#include "Instrument.h"
#include "Noise.h"
#include "Notation.h"

namespace Drobix::AssetGen {

namespace {

constexpr int kEffectRate = 44100;
constexpr int kLandingRate = 22050;
// Effects are levelled by their loudest tenth of a second above 200 Hz, as a laptop's small
// speakers play them, so that the row sounds rise in loudness with their excitement. Peaks
// above the knee are bent down below the ceiling: the sounds of one landing start together,
// and their sum must stay under full scale.
constexpr double kSpeakerCutoffHz = 200.0;
constexpr double kLoudnessWindowSeconds = 0.1;
constexpr double kLimiterKnee = 0.25;
constexpr double kLimiterCeiling = 0.38;
// The landing knock is bent harder, so that its peaks stay clear of full scale also once the
// low cut has shifted its phases.
constexpr double kLandingCeiling = 0.55;
constexpr double kEndFadeSeconds = 0.02;

// Loudness targets in dB below full scale.
constexpr double kLandingLoudness = -10.5;  // played 15 dB down: some 7 dB under one row
// The row sounds differ in how long they ring, so their steps here are uneven: they rise both
// over this tenth of a second and over the 400 ms of momentary loudness.
constexpr double kOneRowLoudness = -18.6;
constexpr double kTwoRowsLoudness = -17.9;
constexpr double kThreeRowsLoudness = -16.0;
constexpr double kFourRowsLoudness = -15.0;
constexpr double kLevelUpLoudness = -17.5;
constexpr double kNewGameLoudness = -15.0;
constexpr double kGameOverLoudness = -15.0;

AudioBuffer NewEffect(double seconds, int rate = kEffectRate) {
    return AudioBuffer(rate, static_cast<std::size_t>(std::lround(seconds * rate)),
                       AudioBuffer::Ends::OneShot);
}

// Levels the effect, bends its peaks under the ceiling, and levels it again, as the bending
// takes a little loudness away.
AudioBuffer Finished(AudioBuffer effect, double loudnessDb, double ceiling = kLimiterCeiling) {
    constexpr int kLevellingPasses = 4;
    effect.FadeOut(kEndFadeSeconds);
    const double target = std::pow(10.0, loudnessDb / 20.0);
    const AudioBuffer unbent = effect;
    double gain = 1.0;
    for (int pass = 0; pass < kLevellingPasses; ++pass) {
        gain *= target / effect.LoudestRmsAbove(kSpeakerCutoffHz, kLoudnessWindowSeconds);
        effect = unbent;
        effect.Scale(gain);
        effect.SoftLimit(kLimiterKnee * ceiling / kLimiterCeiling, ceiling);
    }
    effect.RemoveOffset();
    return effect;
}

Instrument Chime() {
    Instrument chime;
    chime.waveform = Waveform::Pulse;
    chime.pulseWidth = 0.25;
    chime.envelope = {0.003, 0.25, 0.35, 0.12};
    chime.gain = 0.35;
    chime.spread = 0.4;
    chime.detuneCents = 7.0;
    chime.lowPassHz = 6000.0;
    return chime;
}

Instrument Bell() {
    Instrument bell;
    bell.waveform = Waveform::Sine;
    bell.envelope = {0.002, 0.35, 0.15, 0.25};
    bell.gain = 0.25;
    bell.spread = 0.6;
    bell.detuneCents = 4.0;
    return bell;
}

Instrument Brass() {
    Instrument brass;
    brass.waveform = Waveform::Saw;
    brass.envelope = {0.015, 0.2, 0.7, 0.15};
    brass.gain = 0.3;
    brass.spread = 0.5;
    brass.detuneCents = 10.0;
    brass.vibratoSemitones = 0.2;
    brass.lowPassHz = 2500.0;
    return brass;
}

Instrument SoftBass() {
    Instrument bass;
    bass.waveform = Waveform::Triangle;
    bass.envelope = {0.005, 0.2, 0.6, 0.1};
    bass.gain = 0.45;
    return bass;
}

void PlayAt(AudioBuffer& buffer, const Instrument& instrument, double start, double seconds,
            std::string_view pitch, double glide = 0.0) {
    Note note;
    note.startFrame = buffer.FramesIn(start);
    note.seconds = seconds;
    note.pitch = ParsePitch(pitch);
    note.glide = glide;
    Play(buffer, instrument, note);
}

// Notes one after another, each noteSeconds apart and held for most of that; returns the
// time after the last.
double PlayRun(AudioBuffer& buffer, const Instrument& instrument, double start, double noteSeconds,
               std::initializer_list<std::string_view> pitches) {
    constexpr double kRunLegato = 0.8;
    for (const std::string_view pitch : pitches) {
        PlayAt(buffer, instrument, start, noteSeconds * kRunLegato, pitch);
        start += noteSeconds;
    }
    return start;
}

void PlayChord(AudioBuffer& buffer, const Instrument& instrument, double start, double seconds,
               std::initializer_list<std::string_view> pitches) {
    for (const std::string_view pitch : pitches) {
        PlayAt(buffer, instrument, start, seconds, pitch);
    }
}

// Filtered noise whose brightness rises over its length: the rush under the bigger clears.
void PlaySweep(AudioBuffer& buffer, double start, double seconds, double gain, uint32_t seed) {
    Noise noise(seed);
    const std::size_t first = buffer.FramesIn(start);
    const std::size_t frames = buffer.FramesIn(seconds);
    double low = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double progress = static_cast<double>(i) / static_cast<double>(frames);
        const double coefficient = 0.02 + 0.5 * progress * progress;
        low += coefficient * (noise.Next() - low);
        const double envelope = std::sin(std::numbers::pi * progress);
        buffer.AddPanned(first + i, low * envelope * gain, 0.0);
    }
}

Echo ShortEcho() {
    return {0.09, 0.13, 0.3, 0.3};
}

// A knock on wood: a few damped modes of a small board and a short click of noise, all in
// the range a laptop's speakers carry, falling a little in pitch as the block settles.
AudioBuffer RawKnock() {
    struct Mode {
        double hz;
        double level;
        double decaySeconds;
    };
    constexpr Mode kModes[] = {
        {290.0, 1.0, 0.06}, {480.0, 0.75, 0.045}, {810.0, 0.5, 0.03}, {1370.0, 0.3, 0.02}};
    constexpr double kSeconds = 0.07;
    constexpr double kAttackSeconds = 0.001;
    constexpr double kSettle = 0.04;  // part of the pitch lost as the knock dies
    constexpr double kSettleSeconds = 0.03;
    constexpr double kClickLevel = 0.25;
    constexpr double kClickDecay = 0.003;
    AudioBuffer effect = NewEffect(kSeconds, kLandingRate);
    Noise noise(131);
    std::vector<double> phases(std::size(kModes), 0.0);
    double previous = 0.0;
    for (std::size_t i = 0; i < effect.Frames(); ++i) {
        const double t = effect.Seconds(i);
        const double pitch = 1.0 - kSettle * (1.0 - std::exp(-t / kSettleSeconds));
        double body = 0.0;
        for (std::size_t m = 0; m < std::size(kModes); ++m) {
            body += kModes[m].level * std::sin(phases[m]) * std::exp(-t / kModes[m].decaySeconds);
            phases[m] += 2.0 * std::numbers::pi * kModes[m].hz * pitch / kLandingRate;
        }
        const double white = noise.Next();
        const double click = (white - previous) * 0.5 * std::exp(-t / kClickDecay);
        previous = white;
        const double attack = std::min(t / kAttackSeconds, 1.0);
        effect.AddPanned(i, attack * (body + kClickLevel * click), 0.0);
    }
    return effect;
}

}  // namespace

AudioBuffer MakeLandingEffect() {
    // The modes' first half-waves and the bent peaks leave an offset that the encoder would
    // bring back past the slow correction of Finished; a cut below the lowest mode, before and
    // after levelling, takes it away without touching the knock.
    constexpr double kLowCutHz = 120.0;
    AudioBuffer knock = RawKnock();
    knock.HighPass(kLowCutHz);
    knock = Finished(std::move(knock), kLandingLoudness, kLandingCeiling);
    knock.HighPass(kLowCutHz);
    knock.FadeOut(kEndFadeSeconds);  // the cut rings on a little past the first fade
    knock.RemoveOffset();
    return knock;
}

AudioBuffer MakeNewGameEffect() {
    AudioBuffer effect = NewEffect(1.7);
    Noise noise(137);
    const double go = PlayRun(effect, Chime(), 0.0, 0.12, {"c5", "e5", "g5"}) + 0.12;
    for (const double hit : {0.0, 0.12, 0.24}) {
        PlayHat(effect, effect.FramesIn(hit), 0.3, 0.3, noise);
    }
    PlayChord(effect, Brass(), go, 0.6, {"c5", "e5", "g5", "c6"});
    PlayChord(effect, Bell(), go, 0.3, {"c7", "g6"});
    PlayAt(effect, SoftBass(), go, 0.6, "c3");
    PlayKick(effect, effect.FramesIn(go), 0.7);
    PlaySnare(effect, effect.FramesIn(go), 0.35, noise);
    ApplyEcho(effect, ShortEcho());
    return Finished(std::move(effect), kNewGameLoudness);
}

AudioBuffer MakeGameOverEffect() {
    AudioBuffer effect = NewEffect(2.4);
    Instrument voice = Brass();
    voice.lowPassHz = 1400.0;
    voice.vibratoSemitones = 0.0;
    PlayRun(effect, voice, 0.0, 0.32, {"e5", "c5", "a4"});
    Instrument droop = voice;
    droop.vibratoSemitones = 0.35;
    droop.vibratoHz = 4.5;
    droop.vibratoDelay = 0.2;
    droop.envelope.release = 0.4;
    PlayAt(effect, droop, 0.96, 1.0, "g#4", -2.0);
    Instrument bass = SoftBass();
    bass.envelope.release = 0.4;
    PlayAt(effect, bass, 0.0, 0.55, "a2");
    PlayAt(effect, bass, 0.64, 0.28, "f2");
    PlayAt(effect, bass, 0.96, 1.0, "e2", -2.0);
    return Finished(std::move(effect), kGameOverLoudness);
}

AudioBuffer MakeOneRowEffect() {
    AudioBuffer effect = NewEffect(0.6);
    PlayAt(effect, Chime(), 0.0, 0.06, "e6");
    PlayAt(effect, Chime(), 0.075, 0.2, "b6");
    PlayAt(effect, Bell(), 0.075, 0.15, "b7");
    ApplyEcho(effect, ShortEcho());
    return Finished(std::move(effect), kOneRowLoudness);
}

AudioBuffer MakeTwoRowsEffect() {
    AudioBuffer effect = NewEffect(0.8);
    const double top = PlayRun(effect, Chime(), 0.0, 0.07, {"c6", "e6", "g6"});
    PlayAt(effect, Chime(), top, 0.28, "c7");
    PlayChord(effect, Bell(), top, 0.2, {"c7", "g7"});
    ApplyEcho(effect, ShortEcho());
    return Finished(std::move(effect), kTwoRowsLoudness);
}

AudioBuffer MakeThreeRowsEffect() {
    AudioBuffer effect = NewEffect(1.0);
    const double top = PlayRun(effect, Chime(), 0.0, 0.06, {"g5", "c6", "e6", "g6"});
    PlaySweep(effect, 0.0, top + 0.1, 0.5, 138);
    PlayChord(effect, Chime(), top, 0.4, {"c6", "e6", "g6", "c7"});
    PlayChord(effect, Bell(), top, 0.3, {"e7", "g7", "c8"});
    ApplyEcho(effect, ShortEcho());
    return Finished(std::move(effect), kThreeRowsLoudness);
}

AudioBuffer MakeFourRowsEffect() {
    AudioBuffer effect = NewEffect(1.6);
    Noise noise(134);
    const double top =
        PlayRun(effect, Chime(), 0.0, 0.04, {"c5", "e5", "g5", "c6", "e6", "g6", "c7", "e7"});
    PlaySweep(effect, 0.0, top + 0.05, 0.6, 1340);
    PlayChord(effect, Brass(), top, 0.7, {"c5", "e5", "g5", "c6"});
    PlayChord(effect, Chime(), top, 0.6, {"g6", "c7"});
    PlayChord(effect, Bell(), top, 0.5, {"e7", "g7", "c8"});
    PlayAt(effect, SoftBass(), top, 0.7, "c3");
    PlayKick(effect, effect.FramesIn(top), 0.5);
    PlayCrash(effect, effect.FramesIn(top), 0.25, noise);
    ApplyEcho(effect, ShortEcho());
    return Finished(std::move(effect), kFourRowsLoudness);
}

AudioBuffer MakeLevelUpEffect() {
    AudioBuffer effect = NewEffect(1.4);
    Noise noise(135);
    const double peak = PlayRun(effect, Brass(), 0.0, 0.12, {"g5", "g5", "g5"});
    for (const double hit : {0.0, 0.12, 0.24}) {
        PlaySnare(effect, effect.FramesIn(hit), 0.25, noise);
    }
    PlayChord(effect, Brass(), peak, 0.6, {"e5", "c6"});
    PlayRun(effect, Bell(), peak, 0.05, {"c7", "e7", "g7", "c8"});
    PlayAt(effect, SoftBass(), peak, 0.6, "c3");
    PlayKick(effect, effect.FramesIn(peak), 0.7);
    PlayCrash(effect, effect.FramesIn(peak), 0.2, noise);
    ApplyEcho(effect, ShortEcho());
    return Finished(std::move(effect), kLevelUpLoudness);
}

}  // namespace Drobix::AssetGen

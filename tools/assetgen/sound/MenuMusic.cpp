// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MenuMusic.h"

#include <cmath>

#include "Sequencer.h"

namespace Drobix::AssetGen {

namespace {

constexpr int kMusicRate = 24000;
// Sixteen bars of sixteen steps; the step lengths give about 29 and 30 seconds, about 131 and
// 127 beats a minute.
constexpr std::size_t kMarchStepFrames = 2734;
constexpr std::size_t kBounceStepFrames = 2832;
constexpr double kMusicLoudness = -17.0;  // dB of full scale, weighted as the ear hears
constexpr double kMusicKnee = 0.45;
constexpr double kMusicCeiling = 0.7;

double StepSeconds(std::size_t stepFrames, int steps) {
    return static_cast<double>(stepFrames) * steps / kMusicRate;
}

Arrangement MarchArrangement() {
    Arrangement a;
    a.sampleRate = kMusicRate;
    a.stepFrames = kMarchStepFrames;
    a.chords = "Am Em F G Am Em Dm E  F G Em Am Dm Am E E";
    a.melody =
        "a4:4 c5:2 e5:2 a5:4 g5:2 e5:2 | g5:4 e5:2 b4:2 e5:6 r:2 | "
        "f5:4 e5:2 d5:2 c5:4 a4:2 c5:2 | d5:6 b4:2 g4:4 b4:2 d5:2 | "
        "e5:4 a5:2 e5:2 c5:4 e5:2 c5:2 | b4:4 e5:2 g5:2 b5:4 a5:2 g5:2 | "
        "f5:4 e5:2 d5:2 a4:4 d5:2 f5:2 | e5:8 g#4:4 b4:4 | "
        "a5:4 a5:2 g5:2 f5:4 c5:4 | g5:4 g5:2 f5:2 d5:4 b4:4 | "
        "e5:2 f5:2 g5:2 e5:2 b5:4 g5:4 | a5:6 e5:2 c5:4 a4:4 | "
        "d5:2 e5:2 f5:4 a5:4 f5:2 d5:2 | e5:2 c5:2 a4:4 c5:4 e5:4 | "
        "g#5:4 f5:2 e5:2 d5:4 b4:4 | e5:4 b4:2 g#4:2 e4:4 g#4:2 b4:2 |";

    a.lead.waveform = Waveform::Pulse;
    a.lead.pulseWidth = 0.5;
    a.lead.envelope = {0.006, 0.12, 0.6, 0.06};
    a.lead.gain = 0.3;
    a.lead.spread = 0.3;
    a.lead.detuneCents = 6.0;
    a.lead.vibratoSemitones = 0.12;
    a.lead.lowPassHz = 8000.0;
    a.lead.pan = -0.5;
    a.leadEcho = {StepSeconds(kMarchStepFrames, 3), StepSeconds(kMarchStepFrames, 4), 0.3, 0.35};

    a.bass.pattern = "R-O-R-O-R-O-R-O-";
    a.bass.rootOctaveBase = 36;
    a.bass.instrument.waveform = Waveform::Triangle;
    a.bass.instrument.envelope = {0.004, 0.08, 0.8, 0.03};
    a.bass.instrument.gain = 0.38;
    a.bass.instrument.spread = 0.7;
    a.bass.instrument.detuneCents = 8.0;

    a.accompaniment.pattern = "..T...F...T...F.";
    a.accompaniment.sectionPattern = "R.T.F.O.F.T.R.T.";
    a.accompaniment.rootOctaveBase = 60;
    a.accompaniment.instrument.waveform = Waveform::Pulse;
    a.accompaniment.instrument.pulseWidth = 0.125;
    a.accompaniment.instrument.envelope = {0.003, 0.06, 0.3, 0.04};
    a.accompaniment.instrument.gain = 0.16;
    a.accompaniment.instrument.pan = 0.7;
    a.accompaniment.instrument.lowPassHz = 7000.0;

    a.drums.groove = {"x.......x.o.....", "....x.......x...", "x.x.x.x.x.x.x.x."};
    a.drums.fill = {"x.......x.......", "....x.....x.xoxx", "x.x.x.x.x.x....."};
    a.drums.kickGain = 0.4;
    a.drums.hatGain = 0.3;
    a.drums.noiseSeed = 152;
    return a;
}

Arrangement BounceArrangement() {
    Arrangement a;
    a.sampleRate = kMusicRate;
    a.stepFrames = kBounceStepFrames;
    a.chords = "G Em C D G Em Am D  C D Bm Em C D G D";
    a.melody =
        "d5:3 b4:1 g4:2 b4:2 d5:4 g5:4 | f#5:2 e5:2 d5:2 e5:2 b4:8 | "
        "c5:3 e5:1 g5:2 e5:2 c5:4 e5:2 g5:2 | a5:6 f#5:2 d5:8 | "
        "b5:3 a5:1 g5:2 d5:2 b4:4 d5:4 | e5:2 g5:2 b5:4 a5:2 g5:2 e5:4 | "
        "c5:2 e5:2 a5:4 g5:2 e5:2 c5:2 e5:2 | d5:4 f#5:4 a5:4 r:4 | "
        "g5:4 e5:2 g5:2 c6:6 r:2 | a5:4 f#5:2 a5:2 d6:6 r:2 | "
        "b5:2 a5:2 f#5:2 d5:2 b4:4 d5:4 | e5:2 f#5:2 g5:4 b5:4 g5:4 | "
        "e5:2 g5:2 c6:4 b5:2 a5:2 g5:4 | f#5:2 a5:2 d6:4 c6:2 a5:2 f#5:4 | "
        "g5:6 d5:2 b4:4 g4:4 | a4:2 b4:2 c5:2 d5:2 f#5:4 a5:4 |";

    a.lead.waveform = Waveform::Pulse;
    a.lead.pulseWidth = 0.25;
    a.lead.envelope = {0.005, 0.1, 0.55, 0.05};
    a.lead.gain = 0.3;
    a.lead.spread = 0.25;
    a.lead.detuneCents = 5.0;
    a.lead.vibratoSemitones = 0.15;
    a.lead.vibratoHz = 6.0;
    a.lead.lowPassHz = 9000.0;
    a.lead.pan = 0.6;
    a.legato = 0.8;
    a.leadEcho = {StepSeconds(kBounceStepFrames, 3), StepSeconds(kBounceStepFrames, 6), 0.28, 0.35};

    a.bass.pattern = "R..R..F.O..O..F.";
    a.bass.rootOctaveBase = 36;
    a.bass.instrument.waveform = Waveform::Pulse;
    a.bass.instrument.envelope = {0.004, 0.1, 0.6, 0.04};
    a.bass.instrument.gain = 0.35;
    a.bass.instrument.spread = 0.7;
    a.bass.instrument.detuneCents = 8.0;
    a.bass.instrument.lowPassHz = 900.0;

    a.accompaniment.pattern = "RTFORTFORTFORTFO";
    a.accompaniment.sectionPattern = "..T-..F-..T-..F-";
    a.accompaniment.rootOctaveBase = 60;
    a.accompaniment.instrument.waveform = Waveform::Triangle;
    a.accompaniment.instrument.envelope = {0.003, 0.05, 0.3, 0.04};
    a.accompaniment.instrument.gain = 0.15;
    a.accompaniment.instrument.pan = -0.75;

    a.drums.groove = {"x.....x...x.....", "....x.......x..o", "xoxoxoxoxoxoxoxo"};
    a.drums.fill = {"x.....x...x.x...", "....x...x.x.xoxx", "xoxoxoxoxoxoxoxx"};
    a.drums.kickGain = 0.4;
    a.drums.hatGain = 0.3;
    a.drums.noiseSeed = 153;
    return a;
}

// Both tracks are brought to one loudness, so that neither seems the quieter when the menus
// pick one; the rare peaks above the knee are bent under the ceiling.
AudioBuffer Finished(AudioBuffer track) {
    track.Scale(std::pow(10.0, (kMusicLoudness - track.WeightedLoudness()) / 20.0));
    track.SoftLimit(kMusicKnee, kMusicCeiling);
    track.RemoveOffset();
    return track;
}

}  // namespace

AudioBuffer MakeMarchTrack() {
    return Finished(RenderArrangement(MarchArrangement()));
}

AudioBuffer MakeBounceTrack() {
    return Finished(RenderArrangement(BounceArrangement()));
}

}  // namespace Drobix::AssetGen

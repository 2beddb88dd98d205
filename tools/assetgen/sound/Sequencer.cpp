// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sequencer.h"

#include <stdexcept>
#include <vector>

#include "Drums.h"
#include "Noise.h"
#include "Notation.h"

namespace Drobix::AssetGen {

namespace {

constexpr double kSoftHit = 0.45;  // gain of an 'o' hit relative to an 'x'
constexpr double kHatPan = 0.7;
constexpr int kOctave = 12;
constexpr int kFifth = 7;

int ChordTone(const Chord& chord, char degree, int rootOctaveBase) {
    const int root = rootOctaveBase + chord.root;
    switch (degree) {
        case 'R':
            return root;
        case 'T':
            return root + chord.Third();
        case 'F':
            return root + kFifth;
        case 'O':
            return root + kOctave;
        default:
            throw std::invalid_argument("unknown chord degree in a pattern");
    }
}

// Number of steps a pattern note lasts: its own step and the holds after it in the bar.
int HeldSteps(std::string_view pattern, std::size_t step) {
    int steps = 1;
    while (step + static_cast<std::size_t>(steps) < pattern.size() &&
           pattern[step + static_cast<std::size_t>(steps)] == '-') {
        ++steps;
    }
    return steps;
}

void PlayChordVoice(AudioBuffer& buffer, const Arrangement& arrangement,
                    const std::vector<Chord>& chords, const ChordVoice& voice) {
    const std::string_view second =
        voice.sectionPattern.empty() ? voice.pattern : voice.sectionPattern;
    if (voice.pattern.size() != kStepsPerBar || second.size() != kStepsPerBar) {
        throw std::invalid_argument("a chord pattern must have one character per step");
    }
    const double stepSeconds = buffer.Seconds(arrangement.stepFrames);
    for (std::size_t bar = 0; bar < chords.size(); ++bar) {
        const std::string_view pattern = bar < arrangement.sectionBar ? voice.pattern : second;
        for (std::size_t step = 0; step < pattern.size(); ++step) {
            const char degree = pattern[step];
            if (degree == '-' || degree == '.') {
                continue;
            }
            Note note;
            note.startFrame = (bar * kStepsPerBar + step) * arrangement.stepFrames;
            note.seconds = HeldSteps(pattern, step) * stepSeconds * arrangement.legato;
            note.pitch = ChordTone(chords[bar], degree, voice.rootOctaveBase);
            Play(buffer, voice.instrument, note);
        }
    }
}

void PlayMelody(AudioBuffer& buffer, const Arrangement& arrangement) {
    AudioBuffer lead(buffer.SampleRate(), buffer.Frames(), AudioBuffer::Ends::Looping);
    const double stepSeconds = buffer.Seconds(arrangement.stepFrames);
    for (const ScoreNote& written : ParseMelody(arrangement.melody, kStepsPerBar)) {
        Note note;
        note.startFrame = static_cast<std::size_t>(written.step) * arrangement.stepFrames;
        note.seconds = written.steps * stepSeconds * arrangement.legato;
        note.pitch = written.pitch;
        Play(lead, arrangement.lead, note);
    }
    ApplyEcho(lead, arrangement.leadEcho);
    buffer.Mix(lead, 1.0);
}

double HitGain(char mark) {
    switch (mark) {
        case 'x':
            return 1.0;
        case 'o':
            return kSoftHit;
        default:
            return 0.0;
    }
}

void PlayDrums(AudioBuffer& buffer, const Arrangement& arrangement, std::size_t bars) {
    const DrumKit& kit = arrangement.drums;
    Noise noise(kit.noiseSeed);
    for (std::size_t bar = 0; bar < bars; ++bar) {
        const bool fill = (bar + 1) % static_cast<std::size_t>(kit.fillEvery) == 0;
        const DrumPattern& pattern = fill ? kit.fill : kit.groove;
        for (std::size_t step = 0; step < kStepsPerBar; ++step) {
            const std::size_t frame = (bar * kStepsPerBar + step) * arrangement.stepFrames;
            if (const double gain = HitGain(pattern.kick[step]); gain > 0.0) {
                PlayKick(buffer, frame, kit.kickGain * gain);
            }
            if (const double gain = HitGain(pattern.snare[step]); gain > 0.0) {
                PlaySnare(buffer, frame, kit.snareGain * gain, noise);
            }
            if (const double gain = HitGain(pattern.hat[step]); gain > 0.0) {
                // Alternate hats sit left and right, as a player's hands would, for width.
                const double pan = step % 2 == 0 ? -kHatPan : kHatPan;
                PlayHat(buffer, frame, kit.hatGain * gain, pan, noise);
            }
        }
    }
}

void CheckDrumPattern(const DrumPattern& pattern) {
    for (const std::string_view line : {pattern.kick, pattern.snare, pattern.hat}) {
        if (line.size() != kStepsPerBar) {
            throw std::invalid_argument("a drum pattern must have one character per step");
        }
    }
}

}  // namespace

AudioBuffer RenderArrangement(const Arrangement& arrangement) {
    const std::vector<Chord> chords = ParseChords(arrangement.chords);
    const int melodySteps = MelodySteps(arrangement.melody, kStepsPerBar);
    if (melodySteps != static_cast<int>(chords.size()) * kStepsPerBar) {
        throw std::invalid_argument("the melody and the chords differ in length");
    }
    CheckDrumPattern(arrangement.drums.groove);
    CheckDrumPattern(arrangement.drums.fill);

    AudioBuffer buffer(arrangement.sampleRate,
                       static_cast<std::size_t>(melodySteps) * arrangement.stepFrames,
                       AudioBuffer::Ends::Looping);
    PlayMelody(buffer, arrangement);
    PlayChordVoice(buffer, arrangement, chords, arrangement.bass);
    PlayChordVoice(buffer, arrangement, chords, arrangement.accompaniment);
    PlayDrums(buffer, arrangement, chords.size());
    return buffer;
}

}  // namespace Drobix::AssetGen

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Notation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <string>

namespace Drobix::AssetGen {

namespace {

constexpr int kSemitonesPerOctave = 12;
constexpr int kMidiOctaveOffset = 1;  // "c-1" is MIDI 0, so "c4" is 60

[[noreturn]] void Fail(std::string_view what, std::string_view text) {
    throw std::invalid_argument(std::string(what) + ": \"" + std::string(text) + "\"");
}

std::vector<std::string_view> Tokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t\n", pos);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" \t\n", start), text.size());
        tokens.push_back(text.substr(start, end - start));
        pos = end;
    }
    return tokens;
}

// Pitch class of a letter with its accidental; consumes them from the front of name.
int PitchClass(std::string_view& name, std::string_view whole) {
    static constexpr std::array<int, 7> kLetterClasses = {9, 11, 0, 2, 4, 5, 7};  // a..g
    if (name.empty() || name[0] < 'a' || name[0] > 'g') {
        Fail("not a note letter", whole);
    }
    int pitchClass = kLetterClasses[static_cast<std::size_t>(name[0] - 'a')];
    name.remove_prefix(1);
    if (!name.empty() && name[0] == '#') {
        ++pitchClass;
        name.remove_prefix(1);
    } else if (!name.empty() && name[0] == 'b') {
        --pitchClass;
        name.remove_prefix(1);
    }
    return (pitchClass + kSemitonesPerOctave) % kSemitonesPerOctave;
}

int ParseNumber(std::string_view digits, std::string_view whole) {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        Fail("not a number", whole);
    }
    return value;
}

// Walks the melody, calling onNote (step, steps, token before the colon) for every note or
// rest, and checks the bar lines. Returns the length in steps.
template <typename OnNote>
int WalkMelody(std::string_view text, int stepsPerBar, OnNote onNote) {
    int step = 0;
    for (const std::string_view token : Tokens(text)) {
        if (token == "|") {
            if (step % stepsPerBar != 0) {
                Fail("bar line in the middle of a bar", text.substr(0, 40));
            }
            continue;
        }
        const std::size_t colon = token.find(':');
        if (colon == std::string_view::npos) {
            Fail("note without a length", token);
        }
        const int steps = ParseNumber(token.substr(colon + 1), token);
        onNote(step, steps, token.substr(0, colon));
        step += steps;
    }
    return step;
}

}  // namespace

int ParsePitch(std::string_view name) {
    std::string_view rest = name;
    const int pitchClass = PitchClass(rest, name);
    const int octave = ParseNumber(rest, name);
    return (octave + kMidiOctaveOffset) * kSemitonesPerOctave + pitchClass;
}

std::vector<ScoreNote> ParseMelody(std::string_view text, int stepsPerBar) {
    std::vector<ScoreNote> notes;
    WalkMelody(text, stepsPerBar, [&](int step, int steps, std::string_view name) {
        if (name != "r") {
            notes.push_back({step, steps, ParsePitch(name)});
        }
    });
    return notes;
}

int MelodySteps(std::string_view text, int stepsPerBar) {
    return WalkMelody(text, stepsPerBar, [](int, int, std::string_view) {});
}

std::vector<Chord> ParseChords(std::string_view text) {
    std::vector<Chord> chords;
    for (const std::string_view token : Tokens(text)) {
        std::string_view rest = token;
        // Chord names are written with capitals; the letter reader expects lower case.
        const std::string lower(1, static_cast<char>(rest[0] - 'A' + 'a'));
        std::string_view letter = lower;
        Chord chord;
        chord.root = PitchClass(letter, token);
        rest.remove_prefix(1);
        if (!rest.empty() && (rest[0] == '#' || rest[0] == 'b')) {
            chord.root =
                (chord.root + (rest[0] == '#' ? 1 : kSemitonesPerOctave - 1)) % kSemitonesPerOctave;
            rest.remove_prefix(1);
        }
        chord.minor = rest == "m";
        if (!rest.empty() && !chord.minor) {
            Fail("unknown chord", token);
        }
        chords.push_back(chord);
    }
    return chords;
}

}  // namespace Drobix::AssetGen

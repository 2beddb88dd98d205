// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <vector>

#include "resources/DecodedSounds.h"

namespace Drobix::Testing {

// Two channels of sound in units of full scale (1.0 is the largest 16-bit sample).
struct StereoSignal {
    double rate = 0.0;
    std::vector<double> left;
    std::vector<double> right;

    std::size_t Frames() const { return left.size(); }
};

StereoSignal ToSignal(const DecodedSound& sound);

// A sound the game starts, with its volume in hundredths of a decibel (0 full, -1500 for the
// landing sound).
struct Started {
    int id;
    int volume;
};

// What the game's mixer makes of sounds started in the same frame, until the longest ends.
StereoSignal PlayedTogether(const std::vector<Started>& sounds);

// A second-order Butterworth high-pass: what a small speaker leaves of the low end.
StereoSignal HighPassed(const StereoSignal& signal, double cutoffHz);

double PeakDbfs(const StereoSignal& signal);
// The mean power of both channels over the loudest stretch of the given length, in dB of
// full scale (a full-scale square wave reads 0).
double LoudestWindowDb(const StereoSignal& signal, double windowSeconds);
// Integrated loudness in LUFS: K-weighted, gated in 400 ms blocks, channels summed.
double IntegratedLoudness(const StereoSignal& signal);
// The share (0..1) of the signal's energy at frequencies in [lowHz, highHz).
double EnergyShare(const StereoSignal& signal, double lowHz, double highHz);
// Pearson's correlation of the left and right channels.
double ChannelCorrelation(const StereoSignal& signal);
// The mean of one channel in units of full scale: its DC offset.
double MeanOf(const DecodedSound& sound, int channel);

}  // namespace Drobix::Testing

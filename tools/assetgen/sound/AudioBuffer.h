// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <vector>

namespace Drobix::AssetGen {

// A stereo mix in floating point at one sample rate. A looping buffer wraps whatever is added
// past its end round to its start, so the tails of the last notes sound over the first ones and
// the loop point joins without a gap or a jump; a one-shot buffer drops it.
class AudioBuffer {
public:
    enum class Ends { OneShot, Looping };

    AudioBuffer(int sampleRate, std::size_t frames, Ends ends);

    int SampleRate() const { return sampleRate_; }
    std::size_t Frames() const { return left_.size(); }
    bool Loops() const { return ends_ == Ends::Looping; }
    double Seconds(std::size_t frames) const;
    std::size_t FramesIn(double seconds) const;

    // Adds a mono sample placed in the stereo field by pan (-1 left, 0 centre, 1 right), with
    // constant power.
    void AddPanned(std::size_t frame, double value, double pan);
    void Add(std::size_t frame, double left, double right);
    void Mix(const AudioBuffer& other, double gain);

    float Left(std::size_t frame) const { return left_[frame]; }
    float Right(std::size_t frame) const { return right_[frame]; }

    // The RMS level of the loudest stretch of the given length: a rough measure of how loud the
    // sound seems, where the peak says little.
    double LoudestRms(double windowSeconds) const;
    // The same above a high-pass at cutoffHz, as a small speaker plays the sound.
    double LoudestRmsAbove(double cutoffHz, double windowSeconds) const;
    // Loudness in dB of full scale as the ear weights it, both channels summed, over the whole
    // buffer: for music, where there are no silences to leave out.
    double WeightedLoudness() const;
    void Scale(double gain);
    // Leaves samples below knee as they are and bends larger ones smoothly towards ceiling, so
    // that drum hits on top of a chord never reach full scale.
    void SoftLimit(double knee, double ceiling);
    // A second-order Butterworth high-pass on both channels.
    void HighPass(double cutoffHz);
    // Ramps the last frames down to silence so that a one-shot sound ends without a click.
    void FadeOut(double seconds);
    // Takes each channel's mean away: from a one-shot sound as a slow bump that is zero at both
    // ends, so that it still starts and ends in silence; from a loop as a constant.
    void RemoveOffset();

private:
    int sampleRate_;
    Ends ends_;
    std::vector<float> left_;
    std::vector<float> right_;
};

}  // namespace Drobix::AssetGen

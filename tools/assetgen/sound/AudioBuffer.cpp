// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AudioBuffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Drobix::AssetGen {

AudioBuffer::AudioBuffer(int sampleRate, std::size_t frames, Ends ends)
    : sampleRate_(sampleRate), ends_(ends), left_(frames, 0.0f), right_(frames, 0.0f) {}

double AudioBuffer::Seconds(std::size_t frames) const {
    return static_cast<double>(frames) / sampleRate_;
}

std::size_t AudioBuffer::FramesIn(double seconds) const {
    return static_cast<std::size_t>(std::lround(seconds * sampleRate_));
}

void AudioBuffer::AddPanned(std::size_t frame, double value, double pan) {
    const double angle = (pan + 1.0) * std::numbers::pi / 4.0;
    Add(frame, value * std::cos(angle) * std::numbers::sqrt2,
        value * std::sin(angle) * std::numbers::sqrt2);
}

void AudioBuffer::Add(std::size_t frame, double left, double right) {
    if (frame >= Frames()) {
        if (!Loops()) {
            return;
        }
        frame %= Frames();
    }
    left_[frame] += static_cast<float>(left);
    right_[frame] += static_cast<float>(right);
}

void AudioBuffer::Mix(const AudioBuffer& other, double gain) {
    const std::size_t frames = std::min(Frames(), other.Frames());
    for (std::size_t i = 0; i < frames; ++i) {
        Add(i, other.left_[i] * gain, other.right_[i] * gain);
    }
}

double AudioBuffer::LoudestRms(double windowSeconds) const {
    // A sound shorter than the window is heard with the silence after it.
    const std::size_t window = std::max<std::size_t>(FramesIn(windowSeconds), 1);
    double sum = 0.0;
    double loudest = 0.0;
    for (std::size_t i = 0; i < Frames(); ++i) {
        sum += left_[i] * left_[i] + right_[i] * right_[i];
        if (i >= window) {
            const std::size_t old = i - window;
            sum -= left_[old] * left_[old] + right_[old] * right_[old];
        }
        loudest = std::max(loudest, sum);
    }
    return std::sqrt(loudest / (2.0 * static_cast<double>(window)));
}

double AudioBuffer::LoudestRmsAbove(double cutoffHz, double windowSeconds) const {
    AudioBuffer filtered = *this;
    filtered.HighPass(cutoffHz);
    return filtered.LoudestRms(windowSeconds);
}

void AudioBuffer::Scale(double gain) {
    for (std::size_t i = 0; i < Frames(); ++i) {
        left_[i] = static_cast<float>(left_[i] * gain);
        right_[i] = static_cast<float>(right_[i] * gain);
    }
}

namespace {

// A second-order filter run over one channel, in place.
struct Biquad {
    double b0, b1, b2, a1, a2;

    void Run(std::vector<float>& samples) const {
        double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
        for (float& sample : samples) {
            const double y = b0 * sample + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = sample;
            y2 = y1;
            y1 = y;
            sample = static_cast<float>(y);
        }
    }
};

Biquad HighPassFilter(double cutoffHz, double q, double sampleRate) {
    const double k = std::tan(std::numbers::pi * cutoffHz / sampleRate);
    const double norm = 1.0 + k / q + k * k;
    return {1.0 / norm, -2.0 / norm, 1.0 / norm, 2.0 * (k * k - 1.0) / norm,
            (1.0 - k / q + k * k) / norm};
}

// The ear's weighting for loudness: a 4 dB lift of the highs and a cut below about 40 Hz, with
// the constants of the analogue design so that it holds at any sample rate.
Biquad HighShelfOfTheEar(double sampleRate) {
    constexpr double kGainDb = 3.999843853973347;
    constexpr double kCentreHz = 1681.974450955533;
    constexpr double kQ = 0.7071752369554196;
    constexpr double kBandShape = 0.4996667741545416;
    const double k = std::tan(std::numbers::pi * kCentreHz / sampleRate);
    const double vh = std::pow(10.0, kGainDb / 20.0);
    const double vb = std::pow(vh, kBandShape);
    const double norm = 1.0 + k / kQ + k * k;
    return {(vh + vb * k / kQ + k * k) / norm, 2.0 * (k * k - vh) / norm,
            (vh - vb * k / kQ + k * k) / norm, 2.0 * (k * k - 1.0) / norm,
            (1.0 - k / kQ + k * k) / norm};
}
constexpr double kEarLowCutHz = 38.13547087602444;
constexpr double kEarLowCutQ = 0.5003270373238773;
constexpr double kButterworthQ = std::numbers::sqrt2 / 2.0;
constexpr double kLoudnessOffsetDb = -0.691;

// A loop has no ends to keep: its mean goes as a constant.
void SubtractMean(std::vector<float>& samples) {
    double sum = 0.0;
    for (const float sample : samples) {
        sum += sample;
    }
    const double mean = sum / static_cast<double>(samples.size());
    for (float& sample : samples) {
        sample = static_cast<float>(sample - mean);
    }
}

void RemoveChannelOffset(std::vector<float>& samples) {
    if (samples.size() < 2) {
        return;
    }
    double sum = 0.0;
    for (const float sample : samples) {
        sum += sample;
    }
    // A raised cosine from the first sample to the last sums to half the length less one.
    const double n = static_cast<double>(samples.size());
    const double height = 2.0 * sum / (n - 1.0);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double bump =
            0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / (n - 1.0));
        samples[i] = static_cast<float>(samples[i] - height * bump);
    }
}

float SoftLimited(float sample, double knee, double ceiling) {
    const double magnitude = std::fabs(sample);
    if (magnitude <= knee) {
        return sample;
    }
    const double room = ceiling - knee;
    const double bent = knee + room * std::tanh((magnitude - knee) / room);
    return static_cast<float>(std::copysign(bent, sample));
}

}  // namespace

void AudioBuffer::SoftLimit(double knee, double ceiling) {
    for (std::size_t i = 0; i < Frames(); ++i) {
        left_[i] = SoftLimited(left_[i], knee, ceiling);
        right_[i] = SoftLimited(right_[i], knee, ceiling);
    }
}

void AudioBuffer::HighPass(double cutoffHz) {
    const Biquad filter = HighPassFilter(cutoffHz, kButterworthQ, sampleRate_);
    filter.Run(left_);
    filter.Run(right_);
}

double AudioBuffer::WeightedLoudness() const {
    AudioBuffer weighted = *this;
    const Biquad shelf = HighShelfOfTheEar(sampleRate_);
    const Biquad lowCut = HighPassFilter(kEarLowCutHz, kEarLowCutQ, sampleRate_);
    double sum = 0.0;
    for (std::vector<float>* channel : {&weighted.left_, &weighted.right_}) {
        shelf.Run(*channel);
        lowCut.Run(*channel);
        for (const float sample : *channel) {
            sum += static_cast<double>(sample) * sample;
        }
    }
    return kLoudnessOffsetDb + 10.0 * std::log10(sum / static_cast<double>(Frames()));
}

void AudioBuffer::RemoveOffset() {
    if (Loops()) {
        SubtractMean(left_);
        SubtractMean(right_);
    } else {
        RemoveChannelOffset(left_);
        RemoveChannelOffset(right_);
    }
}

void AudioBuffer::FadeOut(double seconds) {
    const std::size_t frames = std::min(FramesIn(seconds), Frames());
    const std::size_t start = Frames() - frames;
    for (std::size_t i = 0; i < frames; ++i) {
        const double gain = 1.0 - static_cast<double>(i + 1) / static_cast<double>(frames);
        left_[start + i] = static_cast<float>(left_[start + i] * gain);
        right_[start + i] = static_cast<float>(right_[start + i] * gain);
    }
}

}  // namespace Drobix::AssetGen

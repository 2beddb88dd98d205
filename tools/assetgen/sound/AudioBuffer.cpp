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

double AudioBuffer::Peak() const {
    float peak = 0.0f;
    for (std::size_t i = 0; i < Frames(); ++i) {
        peak = std::max({peak, std::fabs(left_[i]), std::fabs(right_[i])});
    }
    return peak;
}

double AudioBuffer::LoudestRms(double windowSeconds) const {
    const std::size_t window = std::clamp<std::size_t>(FramesIn(windowSeconds), 1, Frames());
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

void AudioBuffer::Scale(double gain) {
    for (std::size_t i = 0; i < Frames(); ++i) {
        left_[i] = static_cast<float>(left_[i] * gain);
        right_[i] = static_cast<float>(right_[i] * gain);
    }
}

void AudioBuffer::NormalisePeak(double peak) {
    const double current = Peak();
    if (current > 0.0) {
        Scale(peak / current);
    }
}

namespace {

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

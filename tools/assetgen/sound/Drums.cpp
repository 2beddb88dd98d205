// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drums.h"

#include <cmath>
#include <numbers>

namespace Drobix::AssetGen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct KickShape {
    double startHz = 150.0;
    double endHz = 48.0;
    double sweepSeconds = 0.035;
    double decaySeconds = 0.11;
    double lengthSeconds = 0.35;
};

struct NoiseHit {
    double decaySeconds;
    double lengthSeconds;
    double highPass;  // 0..1: how much of the low end is taken away
};

constexpr NoiseHit kSnareNoise{0.055, 0.22, 0.55};
constexpr double kSnareToneHz = 185.0;
constexpr double kSnareToneDecay = 0.04;
constexpr NoiseHit kHatNoise{0.018, 0.08, 0.92};
constexpr NoiseHit kCrashNoise{0.45, 1.4, 0.85};

// A few milliseconds of rise keep the hits free of clicks.
constexpr double kAttackSeconds = 0.0015;

double Attack(double t) {
    return t < kAttackSeconds ? t / kAttackSeconds : 1.0;
}

// Noise with an exponential decay and a first-difference high-pass, mixed with the
// high-passed part weighted by the hit's brightness.
void PlayNoiseHit(AudioBuffer& buffer, std::size_t startFrame, double gain, double pan,
                  const NoiseHit& hit, Noise& noise) {
    const double rate = buffer.SampleRate();
    const std::size_t frames = buffer.FramesIn(hit.lengthSeconds);
    double previous = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double white = noise.Next();
        const double bright = (white - previous) * 0.5;
        previous = white;
        const double sample = white * (1.0 - hit.highPass) + bright * hit.highPass;
        const double tailFade = 1.0 - static_cast<double>(i) / static_cast<double>(frames);
        const double envelope = Attack(t) * std::exp(-t / hit.decaySeconds) * tailFade;
        buffer.AddPanned(startFrame + i, sample * envelope * gain, pan);
    }
}

}  // namespace

void PlayKick(AudioBuffer& buffer, std::size_t startFrame, double gain) {
    const KickShape shape;
    const double rate = buffer.SampleRate();
    const std::size_t frames = buffer.FramesIn(shape.lengthSeconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double frequency =
            shape.endHz + (shape.startHz - shape.endHz) * std::exp(-t / shape.sweepSeconds);
        const double tailFade = 1.0 - static_cast<double>(i) / static_cast<double>(frames);
        const double envelope = Attack(t) * std::exp(-t / shape.decaySeconds) * tailFade;
        buffer.AddPanned(startFrame + i, std::sin(phase) * envelope * gain, 0.0);
        phase += kTwoPi * frequency / rate;
    }
}

void PlaySnare(AudioBuffer& buffer, std::size_t startFrame, double gain, Noise& noise) {
    PlayNoiseHit(buffer, startFrame, gain, 0.0, kSnareNoise, noise);
    const double rate = buffer.SampleRate();
    const std::size_t frames = buffer.FramesIn(kSnareNoise.lengthSeconds);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double tone = std::sin(kTwoPi * kSnareToneHz * t);
        buffer.AddPanned(startFrame + i,
                         tone * Attack(t) * std::exp(-t / kSnareToneDecay) * gain * 0.6, 0.0);
    }
}

void PlayHat(AudioBuffer& buffer, std::size_t startFrame, double gain, double pan, Noise& noise) {
    PlayNoiseHit(buffer, startFrame, gain, pan, kHatNoise, noise);
}

void PlayCrash(AudioBuffer& buffer, std::size_t startFrame, double gain, Noise& noise) {
    PlayNoiseHit(buffer, startFrame, gain, -0.2, kCrashNoise, noise);
    PlayNoiseHit(buffer, startFrame, gain, 0.2, kCrashNoise, noise);
}

}  // namespace Drobix::AssetGen

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/SoundMeasures.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "platform/Audio.h"
#include "platform/helpers/Mixer.h"
#include "platform/helpers/PcmBytes.h"

namespace Drobix::Testing {

namespace {

constexpr double kFullScale = 32768.0;
constexpr std::size_t kMixFrames = 4096;

// A direct-form biquad over one channel.
struct Biquad {
    double b0, b1, b2, a1, a2;

    std::vector<double> Filter(const std::vector<double>& input) const {
        std::vector<double> output(input.size());
        double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
        for (std::size_t i = 0; i < input.size(); ++i) {
            const double y = b0 * input[i] + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = input[i];
            y2 = y1;
            y1 = y;
            output[i] = y;
        }
        return output;
    }
};

StereoSignal Filtered(const StereoSignal& signal, const Biquad& biquad) {
    return {signal.rate, biquad.Filter(signal.left), biquad.Filter(signal.right)};
}

Biquad HighPass(double rate, double cutoffHz, double q) {
    const double k = std::tan(std::numbers::pi * cutoffHz / rate);
    const double norm = 1.0 + k / q + k * k;
    return {1.0 / norm, -2.0 / norm, 1.0 / norm, 2.0 * (k * k - 1.0) / norm,
            (1.0 - k / q + k * k) / norm};
}

// The high shelf of the K-weighting, with the constants of its analogue design, so that it
// holds at any sample rate.
Biquad KWeightingShelf(double rate) {
    constexpr double kGainDb = 3.999843853973347;
    constexpr double kCentreHz = 1681.974450955533;
    constexpr double kQ = 0.7071752369554196;
    constexpr double kBandShape = 0.4996667741545416;
    const double k = std::tan(std::numbers::pi * kCentreHz / rate);
    const double vh = std::pow(10.0, kGainDb / 20.0);
    const double vb = std::pow(vh, kBandShape);
    const double norm = 1.0 + k / kQ + k * k;
    return {(vh + vb * k / kQ + k * k) / norm, 2.0 * (k * k - vh) / norm,
            (vh - vb * k / kQ + k * k) / norm, 2.0 * (k * k - 1.0) / norm,
            (1.0 - k / kQ + k * k) / norm};
}

double PowerDb(double meanSquare) {
    return 10.0 * std::log10(std::max(meanSquare, 1e-30));
}

// Mean power of both channels over frames [first, first + count).
double MeanSquare(const StereoSignal& signal, std::size_t first, std::size_t count) {
    double sum = 0.0;
    for (std::size_t i = first; i < first + count; ++i) {
        sum += signal.left[i] * signal.left[i] + signal.right[i] * signal.right[i];
    }
    return sum / (2.0 * static_cast<double>(count));
}

void Fft(std::vector<std::complex<double>>& data) {
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; (j & bit) != 0; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(data[i], data[j]);
        }
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const double angle = -2.0 * std::numbers::pi / static_cast<double>(length);
        const std::complex<double> turn(std::cos(angle), std::sin(angle));
        for (std::size_t start = 0; start < n; start += length) {
            std::complex<double> w(1.0, 0.0);
            for (std::size_t k = 0; k < length / 2; ++k) {
                const std::complex<double> even = data[start + k];
                const std::complex<double> odd = data[start + k + length / 2] * w;
                data[start + k] = even + odd;
                data[start + k + length / 2] = even - odd;
                w *= turn;
            }
        }
    }
}

// Power per frequency bin, summed over Hann-windowed frames of both channels.
std::vector<double> PowerSpectrum(const StereoSignal& signal, std::size_t frameSize) {
    std::vector<double> power(frameSize / 2, 0.0);
    std::vector<std::complex<double>> frame(frameSize);
    const std::size_t hop = frameSize / 2;
    for (const std::vector<double>* channel : {&signal.left, &signal.right}) {
        for (std::size_t start = 0; start < channel->size(); start += hop) {
            for (std::size_t i = 0; i < frameSize; ++i) {
                const double window =
                    0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) /
                                         static_cast<double>(frameSize));
                const double value = start + i < channel->size() ? (*channel)[start + i] : 0.0;
                frame[i] = window * value;
            }
            Fft(frame);
            for (std::size_t bin = 0; bin < power.size(); ++bin) {
                power[bin] += std::norm(frame[bin]);
            }
        }
    }
    return power;
}

}  // namespace

StereoSignal ToSignal(const DecodedSound& sound) {
    StereoSignal signal;
    signal.rate = static_cast<double>(sound.rate);
    const int right = sound.channels > 1 ? 1 : 0;
    for (std::size_t i = 0; i < sound.Frames(); ++i) {
        signal.left.push_back(sound.At(i, 0) / kFullScale);
        signal.right.push_back(sound.At(i, right) / kFullScale);
    }
    return signal;
}

StereoSignal PlayedTogether(const std::vector<Started>& sounds) {
    Platform::Mixer mixer;
    double longest = 0.0;
    for (const Started& started : sounds) {
        const DecodedSound& sound = DecodedResource(started.id);
        const Platform::Mixer::VoiceId voice =
            mixer.AddVoice(PcmBytes(sound.samples), static_cast<uint16_t>(sound.channels),
                           static_cast<uint32_t>(sound.rate));
        mixer.SetVolume(voice, started.volume);
        mixer.Play(voice, false);
        longest = std::max(longest, static_cast<double>(sound.Frames()) / sound.rate);
    }
    StereoSignal signal;
    signal.rate = Platform::kOutputRate;
    const auto frames = static_cast<std::size_t>(std::ceil(longest * signal.rate));
    std::vector<int16_t> chunk(kMixFrames * Platform::kOutputChannels);
    while (signal.Frames() < frames) {
        mixer.Mix(chunk);
        for (std::size_t i = 0; i < kMixFrames && signal.Frames() < frames; ++i) {
            signal.left.push_back(chunk[2 * i] / kFullScale);
            signal.right.push_back(chunk[2 * i + 1] / kFullScale);
        }
    }
    return signal;
}

StereoSignal HighPassed(const StereoSignal& signal, double cutoffHz) {
    return Filtered(signal, HighPass(signal.rate, cutoffHz, std::numbers::sqrt2 / 2.0));
}

double PeakDbfs(const StereoSignal& signal) {
    double peak = 0.0;
    for (std::size_t i = 0; i < signal.Frames(); ++i) {
        peak = std::max({peak, std::fabs(signal.left[i]), std::fabs(signal.right[i])});
    }
    return 20.0 * std::log10(std::max(peak, 1e-15));
}

double LoudestWindowDb(const StereoSignal& signal, double windowSeconds) {
    // A sound shorter than the window is heard with the silence after it.
    const auto window = static_cast<std::size_t>(std::lround(windowSeconds * signal.rate));
    double loudest = 0.0;
    double sum = 0.0;
    for (std::size_t i = 0; i < signal.Frames(); ++i) {
        sum += signal.left[i] * signal.left[i] + signal.right[i] * signal.right[i];
        if (i >= window) {
            const std::size_t old = i - window;
            sum -= signal.left[old] * signal.left[old] + signal.right[old] * signal.right[old];
        }
        loudest = std::max(loudest, sum);
    }
    return PowerDb(loudest / (2.0 * static_cast<double>(window)));
}

double IntegratedLoudness(const StereoSignal& signal) {
    constexpr double kBlockSeconds = 0.4;
    constexpr std::size_t kBlocksPerStep = 4;  // blocks overlap by three quarters
    constexpr double kOffset = -0.691;
    constexpr double kAbsoluteGate = -70.0;
    constexpr double kRelativeGate = -10.0;
    constexpr double kLowCutHz = 38.13547087602444;
    constexpr double kLowCutQ = 0.5003270373238773;
    const StereoSignal weighted = Filtered(Filtered(signal, KWeightingShelf(signal.rate)),
                                           HighPass(signal.rate, kLowCutHz, kLowCutQ));
    const auto block = static_cast<std::size_t>(std::lround(kBlockSeconds * signal.rate));
    const std::size_t step = block / kBlocksPerStep;
    // Channel powers are summed, not averaged.
    std::vector<double> powers;
    for (std::size_t first = 0; first + block <= weighted.Frames(); first += step) {
        powers.push_back(2.0 * MeanSquare(weighted, first, block));
    }
    auto gatedMean = [&](double gate) {
        double sum = 0.0;
        std::size_t count = 0;
        for (const double power : powers) {
            if (kOffset + PowerDb(power) > gate) {
                sum += power;
                ++count;
            }
        }
        return count > 0 ? sum / static_cast<double>(count) : 0.0;
    };
    const double relativeGate = kOffset + PowerDb(gatedMean(kAbsoluteGate)) + kRelativeGate;
    return kOffset + PowerDb(gatedMean(std::max(kAbsoluteGate, relativeGate)));
}

double EnergyShare(const StereoSignal& signal, double lowHz, double highHz) {
    constexpr std::size_t kFrameSize = 2048;
    const std::vector<double> power = PowerSpectrum(signal, kFrameSize);
    double total = 0.0;
    double inBand = 0.0;
    for (std::size_t bin = 1; bin < power.size(); ++bin) {
        const double hz = static_cast<double>(bin) * signal.rate / kFrameSize;
        total += power[bin];
        if (hz >= lowHz && hz < highHz) {
            inBand += power[bin];
        }
    }
    return total > 0.0 ? inBand / total : 0.0;
}

double ChannelCorrelation(const StereoSignal& signal) {
    const double n = static_cast<double>(signal.Frames());
    double sumL = 0.0, sumR = 0.0;
    for (std::size_t i = 0; i < signal.Frames(); ++i) {
        sumL += signal.left[i];
        sumR += signal.right[i];
    }
    const double meanL = sumL / n;
    const double meanR = sumR / n;
    double lr = 0.0, ll = 0.0, rr = 0.0;
    for (std::size_t i = 0; i < signal.Frames(); ++i) {
        const double l = signal.left[i] - meanL;
        const double r = signal.right[i] - meanR;
        lr += l * r;
        ll += l * l;
        rr += r * r;
    }
    return lr / std::sqrt(ll * rr);
}

double MeanOf(const DecodedSound& sound, int channel) {
    double sum = 0.0;
    for (std::size_t i = 0; i < sound.Frames(); ++i) {
        sum += sound.At(i, channel);
    }
    return sum / static_cast<double>(sound.Frames()) / kFullScale;
}

}  // namespace Drobix::Testing

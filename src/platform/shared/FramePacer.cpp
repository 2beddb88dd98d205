#include "platform/shared/FramePacer.h"

#include <algorithm>
#include <cmath>

namespace Drobix::Platform {

namespace {

constexpr double kUnknownRefreshRate = 60.0;
constexpr double kNanosecondsPerSecond = 1e9;
// The margin is the latest wake of the recent sleeps plus some slack, within these bounds; it
// starts at its largest until two windows of sleeps have shown better.
constexpr uint64_t kLargestMarginNs = 2'000'000;
constexpr uint64_t kSmallestMarginNs = 20'000;
constexpr uint64_t kMarginSlackNs = 20'000;
constexpr int kSleepsPerWindow = 60;

}  // namespace

void FramePacer::SetRefreshRate(double hertz) {
    const double rate = hertz > 0.0 ? hertz : kUnknownRefreshRate;
    intervalNs_ = static_cast<uint64_t>(std::llround(kNanosecondsPerSecond / rate));
    windowLatenessNs_ = kLargestMarginNs;
    previousLatenessNs_ = kLargestMarginNs;
    windowSleeps_ = 0;
    started_ = false;
}

void FramePacer::WaitForNextFrame() {
    if (intervalNs_ == 0) {
        SetRefreshRate(0.0);
    }
    const uint64_t now = clock_.NowNs();
    if (!started_) {
        started_ = true;
        deadline_ = now;
        return;
    }
    deadline_ += intervalNs_;
    if (now >= deadline_) {
        // This frame ran late: the next interval is whole again, measured from now.
        deadline_ = now;
        return;
    }
    SleepTowards(deadline_);
}

void FramePacer::SleepTowards(uint64_t deadline) {
    for (uint64_t now = clock_.NowNs(); now < deadline; now = clock_.NowNs()) {
        const uint64_t remaining = deadline - now;
        const uint64_t margin = Margin();
        if (remaining > margin) {
            const uint64_t requested = remaining - margin;
            clock_.SleepNs(requested);
            LearnFromSleep(requested, clock_.NowNs() - now);
        } else {
            clock_.Yield(remaining);
        }
    }
}

void FramePacer::LearnFromSleep(uint64_t requested, uint64_t slept) {
    const uint64_t lateness = slept > requested ? slept - requested : 0;
    if (windowSleeps_ == 0) {
        windowLatenessNs_ = 0;
    }
    windowLatenessNs_ = std::max(windowLatenessNs_, lateness);
    if (++windowSleeps_ == kSleepsPerWindow) {
        previousLatenessNs_ = windowLatenessNs_;
        windowSleeps_ = 0;
    }
}

uint64_t FramePacer::Margin() const {
    const uint64_t latest = std::max(windowLatenessNs_, previousLatenessNs_);
    return std::clamp(latest + kMarginSlackNs, kSmallestMarginNs, kLargestMarginNs);
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/shared/FramePacer.h"

#include <algorithm>
#include <cmath>

namespace Drobix::Platform {

namespace {

constexpr double kUnknownRefreshRate = 60.0;
constexpr double kNanosecondsPerSecond = 1e9;
// Where wakes scatter, the margin is the latest wake of the recent sleeps plus some slack, within
// these bounds; it starts at its largest until two windows of sleeps have shown better.
constexpr uint64_t kLargestMarginNs = 2'000'000;
constexpr uint64_t kSmallestMarginNs = 20'000;
constexpr uint64_t kMarginSlackNs = 20'000;
constexpr int kSleepsPerWindow = 60;

}  // namespace

void FramePacer::SetRefreshRate(double hertz) {
    const double rate = hertz > 0.0 ? hertz : kUnknownRefreshRate;
    intervalNs_ = static_cast<uint64_t>(std::llround(kNanosecondsPerSecond / rate));
    // Nothing known yet: wakes anywhere up to the largest margin late.
    windowEarliestNs_ = previousEarliestNs_ = 0;
    windowLatestNs_ = previousLatestNs_ = static_cast<int64_t>(kLargestMarginNs);
    windowSleeps_ = 0;
    started_ = false;
}

void FramePacer::WaitForNextFrame(PresentSync sync) {
    if (intervalNs_ == 0) {
        SetRefreshRate(0.0);
    }
    const uint64_t now = clock_.NowNs();
    if (!started_) {
        started_ = true;
        deadline_ = now;
        return;
    }
    // deadline_ is the previous frame's start here.
    if (sync == PresentSync::WaitsForRefresh && now - deadline_ >= intervalNs_ / 2) {
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
        const auto remaining = static_cast<int64_t>(deadline - now);
        // Steady wakes: through to the deadline, less the earliest wake, in one sleep. Scattered
        // ones: short of it by the margin, the rest yielded.
        const int64_t allowance =
            WakesAreSteady() ? EarliestWake() : static_cast<int64_t>(Margin());
        if (remaining > allowance) {
            const auto requested = static_cast<uint64_t>(remaining - allowance);
            clock_.SleepNs(requested);
            LearnFromSleep(requested, clock_.NowNs() - now);
        } else {
            clock_.Yield(static_cast<uint64_t>(remaining));
        }
    }
}

void FramePacer::LearnFromSleep(uint64_t requested, uint64_t slept) {
    const int64_t lateness = static_cast<int64_t>(slept) - static_cast<int64_t>(requested);
    if (windowSleeps_ == 0) {
        windowEarliestNs_ = windowLatestNs_ = lateness;
    }
    windowEarliestNs_ = std::min(windowEarliestNs_, lateness);
    windowLatestNs_ = std::max(windowLatestNs_, lateness);
    if (++windowSleeps_ == kSleepsPerWindow) {
        previousEarliestNs_ = windowEarliestNs_;
        previousLatestNs_ = windowLatestNs_;
        windowSleeps_ = 0;
    }
}

int64_t FramePacer::EarliestWake() const {
    return std::min(windowEarliestNs_, previousEarliestNs_);
}

int64_t FramePacer::LatestWake() const {
    return std::max(windowLatestNs_, previousLatestNs_);
}

bool FramePacer::WakesAreSteady() const {
    return LatestWake() - EarliestWake() <= static_cast<int64_t>(kSteadyWakeSpreadNs);
}

uint64_t FramePacer::Margin() const {
    const int64_t latest = std::max<int64_t>(LatestWake(), 0);
    return std::clamp(static_cast<uint64_t>(latest) + kMarginSlackNs, kSmallestMarginNs,
                      kLargestMarginNs);
}

}  // namespace Drobix::Platform

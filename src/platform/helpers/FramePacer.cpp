// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/FramePacer.h"

#include <cmath>

namespace Drobix::Platform {

namespace {

constexpr double kUnknownRefreshRate = 60.0;
constexpr double kNanosecondsPerSecond = 1e9;

}  // namespace

void FramePacer::SetRefreshRate(double hertz) {
    const double rate = hertz > 0.0 ? hertz : kUnknownRefreshRate;
    intervalNs_ = static_cast<uint64_t>(std::llround(kNanosecondsPerSecond / rate));
    started_ = false;
}

void FramePacer::WaitForNextFrame(PresentSync sync) {
    if (intervalNs_ == 0) {
        SetRefreshRate(0.0);
    }
    const uint64_t now = clock_.NowNs();
    const bool waited =
        sync == PresentSync::WaitsForRefresh && now - frameStart_ >= intervalNs_ / 2;
    deadline_ += intervalNs_;
    if (!started_ || waited || now >= deadline_) {
        // The first frame, one the present held already, or one that ran late: the next
        // interval is whole again, counted from now.
        started_ = true;
        deadline_ = now;
        frameStart_ = now;
        return;
    }
    // A sleep that woke early sleeps again for the rest.
    uint64_t time = now;
    while (time < deadline_) {
        clock_.SleepNs(deadline_ - time);
        time = clock_.NowNs();
    }
    frameStart_ = time;
}

}  // namespace Drobix::Platform

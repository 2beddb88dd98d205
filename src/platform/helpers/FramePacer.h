// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Drobix::Platform {

// The time source a FramePacer waits on, in nanoseconds from an arbitrary start.
class PacerClock {
public:
    virtual ~PacerClock() = default;
    virtual uint64_t NowNs() = 0;
    // May return early or late; the pacer measures rather than trusts it.
    virtual void SleepNs(uint64_t duration) = 0;
};

// How a route's present meets the display's refresh.
enum class PresentSync {
    // Returns at once; the frame is shown at some refresh after.
    Immediate,
    // Blocks until the display's next refresh (vertical sync).
    WaitsForRefresh,
};

// Spaces frames evenly at the display's refresh interval where the present itself does not
// wait for the display; adds nothing where it does. Deadlines advance by whole intervals from the
// first frame, so the rate is exact however the sleeps fall: a frame starts at its deadline, or
// as much after it as the sleep woke late, and a late wake never shortens the next interval. A
// frame that is already past its deadline starts the count afresh from now rather than hurrying
// the frames after it.
class FramePacer {
public:
    explicit FramePacer(PacerClock& clock) : clock_(clock) {}

    // Refresh rates of 0 or less (unknown) count as 60 Hz; fractional rates are kept.
    void SetRefreshRate(double hertz);
    uint64_t GetIntervalNs() const { return intervalNs_; }

    // Called once per frame after its present: returns at the next frame's start. After a
    // present that waited for the refresh that is now; one that came back within half an
    // interval of the frame's start did not wait after all (a hidden window, a driver that
    // ignores the request) and is held as an immediate one.
    void WaitForNextFrame(PresentSync sync = PresentSync::Immediate);

    // Forgets the last deadline: the next call starts counting from then (after a pause).
    void Restart() { started_ = false; }

private:
    PacerClock& clock_;
    uint64_t intervalNs_ = 0;
    // The deadline of the frame last started, and when it did start.
    uint64_t deadline_ = 0;
    uint64_t frameStart_ = 0;
    bool started_ = false;
};

}  // namespace Drobix::Platform

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
    // Waits a short, fine-grained while towards a deadline `remaining` away, which is within the
    // margin the pacer keeps: far shorter than a frame, and far more exact than a sleep of the
    // length of one.
    virtual void Yield(uint64_t remaining) = 0;
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
// first frame, so the rate is exact however the sleeps fall. Where the recent sleeps woke alike
// (within kSteadyWakeSpreadNs of each other), one sleep a frame suffices: it asks for the earliest
// wake seen, so a frame starts at its deadline or later by at most that spread. Where they scatter
// more, the pacer sleeps short of each deadline by a margin learnt from how late they woke and
// yields through the rest, so that a late wake never makes one interval long and the next one
// short. A wake costs more processor time than anything else the pacer does, hence the one-sleep
// way wherever it is as good. A frame that is already past its deadline starts the count afresh
// from now rather than hurrying the frames after it.
class FramePacer {
public:
    // How far apart the recent sleeps' wakes may fall for one sleep a frame to do: a frame then
    // starts at most this long after its deadline, a fifty-fifth of an interval at 60 Hz.
    static constexpr uint64_t kSteadyWakeSpreadNs = 300'000;

    explicit FramePacer(PacerClock& clock) : clock_(clock) {}

    // Refresh rates of 0 or less (unknown) count as 60 Hz; fractional rates are kept.
    void SetRefreshRate(double hertz);
    uint64_t GetIntervalNs() const { return intervalNs_; }

    // Called once per frame after its present: returns at the next frame's start. After a
    // present that waited for the refresh that is now; one that came back within half an
    // interval did not wait after all (a hidden window, a driver that ignores the request) and
    // is held as an immediate one.
    void WaitForNextFrame(PresentSync sync = PresentSync::Immediate);

    // Forgets the last deadline: the next call starts counting from then (after a pause).
    void Restart() { started_ = false; }

private:
    void SleepTowards(uint64_t deadline);
    void LearnFromSleep(uint64_t requested, uint64_t slept);
    int64_t EarliestWake() const;
    int64_t LatestWake() const;
    bool WakesAreSteady() const;
    uint64_t Margin() const;

    PacerClock& clock_;
    uint64_t intervalNs_ = 0;
    uint64_t deadline_ = 0;
    // The earliest and latest wakes (negative: early) of the sleeps in the window being filled
    // and in the one before it: the pacer allows for both, so one odd wake is remembered for a
    // while, then forgotten.
    int64_t windowEarliestNs_ = 0;
    int64_t windowLatestNs_ = 0;
    int64_t previousEarliestNs_ = 0;
    int64_t previousLatestNs_ = 0;
    int windowSleeps_ = 0;
    bool started_ = false;
};

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/FramePacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Drobix::Platform {
namespace {

constexpr uint64_t kMs = 1'000'000;
// Like any system call, a sleep takes at least this long.
constexpr uint64_t kShortestSleepNs = 1'000;
// The latest any sleep of the wake patterns wakes.
constexpr uint64_t kLatestWakeNs = kMs;
constexpr uint64_t kWorkNs = 3 * kMs;
constexpr int kFrames = 400;

// A clock that moves only when slept on or worked on; each sleep wakes off its request by what
// the pattern says for that sleep.
class FakeClock : public PacerClock {
public:
    explicit FakeClock(std::function<int64_t(int)> wakeError) : wakeError_(std::move(wakeError)) {}

    uint64_t NowNs() override { return now_; }
    void SleepNs(uint64_t duration) override {
        const int64_t slept = static_cast<int64_t>(duration) + wakeError_(sleeps_++);
        now_ += static_cast<uint64_t>(std::max(slept, static_cast<int64_t>(kShortestSleepNs)));
        ++sleepsSinceTaken_;
    }
    void Work(uint64_t duration) { now_ += duration; }
    int TakeSleeps() { return std::exchange(sleepsSinceTaken_, 0); }

private:
    std::function<int64_t(int)> wakeError_;
    uint64_t now_ = 5 * kMs;
    int sleeps_ = 0;
    int sleepsSinceTaken_ = 0;
};

struct WakePattern {
    std::string name;
    std::function<int64_t(int)> error;
};

std::vector<WakePattern> WakePatterns() {
    const auto ms = static_cast<int64_t>(kMs);
    return {
        {"exact", [](int) { return int64_t{0}; }},
        {"early", [ms](int) { return -ms; }},
        {"late", [ms](int) { return ms; }},
        {"alternating", [ms](int n) { return n % 2 == 0 ? ms : -ms; }},
        // Spread over the whole range -1 ms .. +1 ms in an order with no short period.
        {"scattered",
         [ms](int n) { return (static_cast<int64_t>(n) * 7919 % 2001 - 1000) * ms / 1000; }},
    };
}

// Runs frames of kWorkNs work each and returns the times at which the pacer let them start.
std::vector<uint64_t> FrameStarts(FramePacer& pacer, FakeClock& clock, int frames,
                                  const std::function<uint64_t(int)>& work) {
    std::vector<uint64_t> starts;
    for (int frame = 0; frame < frames; ++frame) {
        pacer.WaitForNextFrame();
        starts.push_back(clock.NowNs());
        clock.Work(work(frame));
    }
    return starts;
}

// How far each frame started after its deadline, the deadlines counted from the first frame.
std::vector<int64_t> StartOffsets(const std::vector<uint64_t>& starts, uint64_t interval) {
    std::vector<int64_t> offsets;
    for (size_t i = 0; i < starts.size(); ++i) {
        offsets.push_back(static_cast<int64_t>(starts[i] - starts[0] - i * interval));
    }
    return offsets;
}

// Every frame starts at its deadline or after it by no more than its sleep woke late; the
// deadlines advance by whole intervals from the first frame, so nothing drifts.
TEST(FramePacerTest, FramesStartAtWholeIntervalsWhateverTheRateAndTheSleeps) {
    // Unknown (0) is 60 Hz; the others as displays report them.
    const std::vector<std::pair<double, uint64_t>> rates = {{0.0, 16'666'667},
                                                            {60.0, 16'666'667},
                                                            {59.94, 16'683'350},
                                                            {75.0, 13'333'333},
                                                            {144.0, 6'944'444}};
    for (const auto& [hertz, intervalNs] : rates) {
        for (const WakePattern& pattern : WakePatterns()) {
            SCOPED_TRACE(std::to_string(hertz) + " Hz, sleeps " + pattern.name);
            FakeClock clock(pattern.error);
            FramePacer pacer(clock);
            pacer.SetRefreshRate(hertz);
            ASSERT_EQ(pacer.GetIntervalNs(), intervalNs);
            const std::vector<uint64_t> starts =
                FrameStarts(pacer, clock, kFrames, [](int) { return kWorkNs; });
            for (const int64_t offset : StartOffsets(starts, intervalNs)) {
                ASSERT_GE(offset, 0);
                ASSERT_LE(offset, static_cast<int64_t>(kLatestWakeNs + kShortestSleepNs));
            }
        }
    }
}

TEST(FramePacerTest, LateFrameIsFollowedByWholeIntervalsNotHurriedOnes) {
    constexpr int kLateFrame = 100;
    constexpr uint64_t kLateWorkNs = 25 * kMs;
    for (const WakePattern& pattern : WakePatterns()) {
        SCOPED_TRACE(pattern.name);
        FakeClock clock(pattern.error);
        FramePacer pacer(clock);
        pacer.SetRefreshRate(60.0);
        const std::vector<uint64_t> starts = FrameStarts(pacer, clock, 200, [](int frame) {
            return frame == kLateFrame ? kLateWorkNs : kWorkNs;
        });
        // The late frame itself takes as long as its work did; the count starts again after it.
        EXPECT_EQ(starts[kLateFrame + 1] - starts[kLateFrame], kLateWorkNs);
        const std::vector<uint64_t> after(starts.begin() + kLateFrame + 1, starts.end());
        for (const int64_t offset : StartOffsets(after, pacer.GetIntervalNs())) {
            ASSERT_GE(offset, 0);
            ASSERT_LE(offset, static_cast<int64_t>(kLatestWakeNs + kShortestSleepNs));
        }
    }
}

// A sleep that does not wake early is the only one its frame takes: a wake costs more processor
// time than anything else the pacer does.
TEST(FramePacerTest, OneSleepAFrameWhereSleepsDoNotWakeEarly) {
    const auto us = static_cast<int64_t>(kMs / 1000);
    const std::vector<WakePattern> patterns = {
        {"exact", [](int) { return int64_t{0}; }},
        {"late", [us](int) { return 1000 * us; }},
        {"40 to 200 us late", [us](int n) { return (40 + int64_t{n} * 37 % 41 * 4) * us; }},
    };
    for (const WakePattern& pattern : patterns) {
        SCOPED_TRACE(pattern.name);
        FakeClock clock(pattern.error);
        FramePacer pacer(clock);
        pacer.SetRefreshRate(60.0);
        FrameStarts(pacer, clock, kFrames, [](int) { return kWorkNs; });
        // The first frame starts at once.
        EXPECT_EQ(clock.TakeSleeps(), kFrames - 1);
    }
}

// A display refreshing at a fractional rate, and a present on it that blocks until the next
// refresh; the program wakes from that block a little late, by a jitter that varies. A frame
// presented at time t is shown at the first refresh after t.
class FakeDisplay : public PacerClock {
public:
    explicit FakeDisplay(double hertz) : periodNs_(1e9 / hertz) {}

    uint64_t NowNs() override { return now_; }
    void SleepNs(uint64_t duration) override { now_ += duration + Jitter(); }
    void Work(uint64_t duration) { now_ += duration; }

    // The refresh that shows a frame presented now; with blocking, returns after it.
    int64_t Present(bool blocks) {
        const auto refresh =
            static_cast<int64_t>(std::floor(static_cast<double>(now_) / periodNs_)) + 1;
        if (blocks) {
            now_ = static_cast<uint64_t>(std::ceil(static_cast<double>(refresh) * periodNs_)) +
                   Jitter();
        }
        return refresh;
    }
    int64_t RefreshesSoFar() const {
        return static_cast<int64_t>(std::floor(static_cast<double>(now_) / periodNs_));
    }

private:
    // 0 .. 1.5 ms, in an order with no short period.
    uint64_t Jitter() { return (jitters_++ * 7919 % 1501) * (kMs / 1000); }

    double periodNs_;
    uint64_t now_ = 0;
    uint64_t jitters_ = 0;
};

constexpr double kTenMinutes = 600.0;
const std::vector<double> kDisplayRates = {59.94, 60.0, 60.05, 75.0, 120.0, 144.0};

// With a present that waits for the refresh, every refresh shows exactly one frame, however late
// the program wakes from the present and whatever rate the system reported (here the integer
// it would round to).
TEST(FramePacerTest, PresentThatWaitsForTheRefreshGetsOneFrameOnEveryRefresh) {
    constexpr uint64_t kGameWorkNs = 2 * kMs;
    for (const double hertz : kDisplayRates) {
        SCOPED_TRACE(std::to_string(hertz) + " Hz");
        FakeDisplay display(hertz);
        FramePacer pacer(display);
        pacer.SetRefreshRate(std::round(hertz));
        const auto frames = static_cast<int64_t>(kTenMinutes * hertz);
        int64_t previous = -1;
        for (int64_t frame = 0; frame < frames; ++frame) {
            display.Work(kGameWorkNs);
            const int64_t refresh = display.Present(true);
            if (previous >= 0) {
                ASSERT_EQ(refresh, previous + 1) << "frame " << frame;
            }
            previous = refresh;
            pacer.WaitForNextFrame(PresentSync::WaitsForRefresh);
        }
    }
}

// With a present that returns at once, the pacer holds frames to the reported rate: over ten
// minutes as many frames as refreshes, to within one. A present meant to wait that came back at
// once (a hidden window) is held the same way.
TEST(FramePacerTest, PresentThatReturnsAtOnceIsHeldToTheDisplaysFractionalRate) {
    constexpr uint64_t kGameWorkNs = 2 * kMs;
    for (const double hertz : kDisplayRates) {
        for (const PresentSync sync : {PresentSync::Immediate, PresentSync::WaitsForRefresh}) {
            SCOPED_TRACE(std::to_string(hertz) + " Hz");
            FakeDisplay display(hertz);
            FramePacer pacer(display);
            pacer.SetRefreshRate(hertz);
            pacer.WaitForNextFrame(sync);
            const int64_t firstRefresh = display.RefreshesSoFar();
            const auto frames = static_cast<int64_t>(kTenMinutes * hertz);
            for (int64_t frame = 0; frame < frames; ++frame) {
                display.Work(kGameWorkNs);
                display.Present(false);
                pacer.WaitForNextFrame(sync);
            }
            const int64_t refreshes = display.RefreshesSoFar() - firstRefresh;
            EXPECT_LE(std::abs(refreshes - frames), 1) << refreshes << " refreshes";
        }
    }
}

}  // namespace
}  // namespace Drobix::Platform

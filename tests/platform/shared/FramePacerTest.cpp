// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/shared/FramePacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Drobix::Platform {
namespace {

constexpr uint64_t kMs = 1'000'000;
constexpr uint64_t kYieldNs = 1'000;
constexpr uint64_t kWorkNs = 3 * kMs;
constexpr int kFrames = 400;

// A clock that moves only when slept on or yielded to; each sleep wakes off its request by what
// the pattern says for that sleep, and like any system call takes at least as long as a yield.
class FakeClock : public PacerClock {
public:
    explicit FakeClock(std::function<int64_t(int)> wakeError) : wakeError_(std::move(wakeError)) {}

    uint64_t NowNs() override { return now_; }
    void SleepNs(uint64_t duration) override {
        const int64_t slept = static_cast<int64_t>(duration) + wakeError_(sleeps_++);
        now_ += static_cast<uint64_t>(std::max(slept, static_cast<int64_t>(kYieldNs)));
        ++sleepsSinceTaken_;
    }
    void Yield(uint64_t /*remaining*/) override {
        now_ += kYieldNs;
        ++yields_;
    }
    void Work(uint64_t duration) { now_ += duration; }
    int TakeYields() { return std::exchange(yields_, 0); }
    int TakeSleeps() { return std::exchange(sleepsSinceTaken_, 0); }

private:
    std::function<int64_t(int)> wakeError_;
    uint64_t now_ = 5 * kMs;
    int sleeps_ = 0;
    int sleepsSinceTaken_ = 0;
    int yields_ = 0;
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

TEST(FramePacerTest, EveryIntervalIsTheRefreshIntervalWhateverTheRateAndTheSleeps) {
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
            for (size_t i = 1; i < starts.size(); ++i) {
                ASSERT_GE(starts[i] - starts[i - 1], intervalNs) << "frame " << i;
                ASSERT_LE(starts[i] - starts[i - 1], intervalNs + kYieldNs) << "frame " << i;
            }
            // No drift: the deadlines advance by whole intervals from the first frame.
            EXPECT_LE(starts.back() - starts.front(), (kFrames - 1) * intervalNs + kYieldNs);
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
        const uint64_t interval = pacer.GetIntervalNs();
        const std::vector<uint64_t> starts = FrameStarts(pacer, clock, 200, [](int frame) {
            return frame == kLateFrame ? kLateWorkNs : kWorkNs;
        });
        // The late frame itself takes as long as its work did.
        EXPECT_EQ(starts[kLateFrame + 1] - starts[kLateFrame], kLateWorkNs);
        for (size_t i = kLateFrame + 2; i < starts.size(); ++i) {
            ASSERT_GE(starts[i] - starts[i - 1], interval) << "frame " << i;
            ASSERT_LE(starts[i] - starts[i - 1], interval + kYieldNs) << "frame " << i;
        }
    }
}

// How far each frame started after its deadline, the deadlines counted from the first frame.
std::vector<int64_t> StartOffsets(const std::vector<uint64_t>& starts, uint64_t interval) {
    std::vector<int64_t> offsets;
    for (size_t i = 0; i < starts.size(); ++i) {
        offsets.push_back(static_cast<int64_t>(starts[i] - starts[0] - i * interval));
    }
    return offsets;
}

TEST(FramePacerTest, OneSleepAFrameWhereWakesFallAlikeAndAShortMarginWhereTheyScatter) {
    constexpr int kSettledFrames = 100;
    const auto us = static_cast<int64_t>(kMs / 1000);
    const auto spread = static_cast<int64_t>(FramePacer::kSteadyWakeSpreadNs);
    // Wakes scattered over 40 .. 200 µs late, every 41 sleeps, so that each window of sleeps the
    // pacer learns from sees the earliest and the latest.
    const auto alike = [us](int n) { return (40 + static_cast<int64_t>(n) * 37 % 41 * 4) * us; };
    // Scattered over 0 .. 400 µs late likewise: wider than one sleep a frame allows.
    const auto scattered = [us](int n) { return static_cast<int64_t>(n) * 37 % 41 * 10 * us; };
    struct Case {
        WakePattern pattern;
        bool oneSleep;
        int64_t latestStart;
    };
    std::vector<Case> cases;
    for (const WakePattern& pattern : WakePatterns()) {
        if (pattern.name != "alternating" && pattern.name != "scattered") {
            cases.push_back({pattern, true, 0});
        }
    }
    cases.push_back({{"alike", alike}, true, spread});
    cases.push_back({{"within 400 us", scattered}, false, static_cast<int64_t>(kYieldNs)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern.name);
        FakeClock clock(c.pattern.error);
        FramePacer pacer(clock);
        pacer.SetRefreshRate(60.0);
        std::vector<uint64_t> starts =
            FrameStarts(pacer, clock, kFrames, [](int) { return kWorkNs; });
        clock.TakeSleeps();
        clock.TakeYields();
        const std::vector<uint64_t> settled =
            FrameStarts(pacer, clock, kSettledFrames, [](int) { return kWorkNs; });
        starts.insert(starts.end(), settled.begin(), settled.end());
        EXPECT_EQ(clock.TakeSleeps(), kSettledFrames);
        if (c.oneSleep) {
            EXPECT_EQ(clock.TakeYields(), 0);
        } else {
            // The margin follows the latest wake (400 µs) plus 20 µs, well short of the 2 ms it
            // starts at; a pacer that spun would yield over 13 ms a frame.
            EXPECT_LE(clock.TakeYields(), kSettledFrames * 421);
        }
        // Never before the deadline, and after it by no more than the wakes' spread.
        for (const int64_t offset : StartOffsets(starts, pacer.GetIntervalNs())) {
            ASSERT_GE(offset, 0);
            ASSERT_LE(offset, c.latestStart);
        }
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
    void Yield(uint64_t /*remaining*/) override { now_ += kYieldNs; }
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

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/EventPumpDecision.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Drobix::Platform {
namespace {

using Pass = EventPumpDecision::Pass;

constexpr uint64_t kPassMs = 16;
constexpr uint64_t kAfterInput = EventPumpDecision::kPumpAfterInputMs;
constexpr uint64_t kTimed = EventPumpDecision::kTimedPumpMs;

// A focused window on a watched X server with nothing happening, at time nowMs.
Pass Quiet(uint64_t nowMs) {
    Pass pass;
    pass.nowMs = nowMs;
    pass.serverWatched = true;
    return pass;
}

// Runs passes every kPassMs from startMs to endMs (exclusive), each changed by change, and
// returns the times at which the pump ran.
template <typename Change>
std::vector<uint64_t> PumpTimes(EventPumpDecision& decision, uint64_t startMs, uint64_t endMs,
                                Change change) {
    std::vector<uint64_t> times;
    for (uint64_t now = startMs; now < endMs; now += kPassMs) {
        Pass pass = Quiet(now);
        change(pass);
        if (decision.ShouldPump(pass)) {
            times.push_back(now);
        }
    }
    return times;
}

// The first pass pumps; after it, a quiet window pumps once a second.
EventPumpDecision Settled() {
    EventPumpDecision decision;
    EXPECT_TRUE(decision.ShouldPump(Quiet(0)));
    return decision;
}

TEST(EventPumpDecisionTest, QuietWindowOnAWatchedServerPumpsOnlyOnceASecond) {
    EventPumpDecision decision = Settled();
    const std::vector<uint64_t> times = PumpTimes(decision, kPassMs, 3 * kTimed, [](Pass&) {});
    ASSERT_EQ(times.size(), 2U);
    EXPECT_GE(times[0], kTimed);
    EXPECT_LT(times[0], kTimed + kPassMs);
    EXPECT_GE(times[1] - times[0], kTimed);
    EXPECT_LT(times[1] - times[0], kTimed + kPassMs);
}

TEST(EventPumpDecisionTest, EveryPassPumpsWhereTheServerCannotBeWatchedOrAPadIsOpen) {
    struct Case {
        std::string name;
        void (*change)(Pass&);
    };
    const std::vector<Case> cases = {
        {"not watched (Wayland, texture route)", [](Pass& pass) { pass.serverWatched = false; }},
        {"pad open", [](Pass& pass) { pass.padOpen = true; }},
        // Without the focus the program sleeps between passes and must see the focus return.
        {"focus lost", [](Pass& pass) { pass.focused = false; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventPumpDecision decision = Settled();
        const std::vector<uint64_t> times = PumpTimes(decision, kPassMs, kTimed, c.change);
        EXPECT_EQ(times.size(), (kTimed - kPassMs + kPassMs - 1) / kPassMs);
    }
}

TEST(EventPumpDecisionTest, PadPluggedInWithNoPadOpenIsPumpedForOnTheSamePass) {
    EventPumpDecision decision = Settled();
    EXPECT_FALSE(decision.ShouldPump(Quiet(100)));
    Pass plugged = Quiet(116);
    plugged.devicesChanged = true;
    EXPECT_TRUE(decision.ShouldPump(plugged));
    // SDL then opens the pad, and its events are read on every pass.
    Pass opened = Quiet(132);
    opened.padOpen = true;
    EXPECT_TRUE(decision.ShouldPump(opened));
    // Pulled out: back to the timed pump.
    Pass pulled = Quiet(148);
    pulled.devicesChanged = true;
    EXPECT_TRUE(decision.ShouldPump(pulled));
    EXPECT_FALSE(decision.ShouldPump(Quiet(164)));
}

TEST(EventPumpDecisionTest, ServerInputKeepsThePumpRunningForAWhileAfterIt) {
    EventPumpDecision decision = Settled();
    constexpr uint64_t kKeyAt = 200;
    Pass key = Quiet(kKeyAt);
    key.serverSentSomething = true;
    EXPECT_TRUE(decision.ShouldPump(key));
    // SDL's late focus report and an input method's reply over D-Bus come within this while,
    // with nothing more from the server.
    const std::vector<uint64_t> times =
        PumpTimes(decision, kKeyAt + kPassMs, kKeyAt + 2 * kAfterInput, [](Pass&) {});
    ASSERT_FALSE(times.empty());
    EXPECT_EQ(times.front(), kKeyAt + kPassMs);
    EXPECT_LT(times.back(), kKeyAt + kAfterInput);
    EXPECT_GE(times.back(), kKeyAt + kAfterInput - kPassMs);
    EXPECT_EQ(times.size(), (kAfterInput - 1) / kPassMs);
}

TEST(EventPumpDecisionTest, FocusLostOnAWatchedServerIsSeenAndThePumpRunsUntilItComesBack) {
    EventPumpDecision decision = Settled();
    // The server tells of the focus going; SDL tells the program a moment later.
    Pass told = Quiet(300);
    told.serverSentSomething = true;
    EXPECT_TRUE(decision.ShouldPump(told));
    // Inactive passes come 100 ms apart, every one pumped while the focus is away.
    for (uint64_t now = 400; now < 3000; now += 100) {
        Pass away = Quiet(now);
        away.focused = false;
        EXPECT_TRUE(decision.ShouldPump(away)) << now;
    }
    // Back, and quiet: the timed pump only, a second after the last pass away.
    const std::vector<uint64_t> times = PumpTimes(decision, 3000, 2900 + 2 * kTimed, [](Pass&) {});
    ASSERT_EQ(times.size(), 1U);
    EXPECT_GE(times[0], 2900 + kTimed);
}

}  // namespace
}  // namespace Drobix::Platform

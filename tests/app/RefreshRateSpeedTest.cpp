// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game runs on elapsed milliseconds, so a display's refresh rate changes how often it is
// drawn, not how fast it plays: a block left to fall from the start of a game is at the same row
// at every whole second whatever the rate, to within the one row that the fall timer's reset
// (to 0, not by its threshold) can make of a frame's length.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TempDataHome.h"
#include "app/MainLoop.h"
#include "app/MainLoopTesting.h"
#include "app/Startup.h"
#include "game/Random.h"
#include "platform/scripted/ClockScripted.h"
#include "platform/scripted/KeyboardScripted.h"
#include "screens/game/GameScreen.h"

namespace Drobix {
namespace {

namespace Scripted = Platform::Scripted;

constexpr uint32_t kStartTimeMs = 1000;
constexpr uint32_t kSeed = 3;
// Less than the time the first block takes to land at level 0.
constexpr int kSeconds = 10;

class RefreshRateSpeedTest : public testing::Test {
protected:
    void SetUp() override {
        Scripted::SetTimeMs(kStartTimeMs);
        Scripted::ReleaseAllKeys();
        Testing::ResetMainLoop();
        ASSERT_TRUE(InitialiseGame());
    }
    void TearDown() override {
        SwitchScreen(ScreenNumber::None);
        ShutdownGame();
    }

    // A fresh game played without keys at the display's rate: the falling block's row at each
    // whole second. Each frame starts at the first whole millisecond of its refresh.
    static std::vector<int> RowsEachSecond(double hertz) {
        Scripted::SetTimeMs(kStartTimeMs);
        Testing::ResetMainLoop();
        SeedRandom(kSeed);
        SwitchScreen(ScreenNumber::Game);
        Testing::SetApplicationActive(true);
        const auto* game = static_cast<const GameScreen*>(GetScreen(ScreenNumber::Game));
        std::vector<int> rows;
        uint32_t shownMs = 0;
        for (long frame = 1; rows.size() < kSeconds; ++frame) {
            const auto frameMs = static_cast<uint32_t>(std::ceil(frame * 1000.0 / hertz));
            Scripted::AdvanceTimeMs(frameMs - shownMs);
            shownMs = frameMs;
            EXPECT_TRUE(RunMainLoopPass());
            if (frameMs >= (rows.size() + 1) * 1000) {
                rows.push_back(game->GetFallingPosition().row);
            }
        }
        SwitchScreen(ScreenNumber::None);
        return rows;
    }

    Testing::TempDataHome dataHome_;
};

TEST_F(RefreshRateSpeedTest, BlockFallsAsFastAtEveryRefreshRateAsAt60Hz) {
    const std::vector<int> at60 = RowsEachSecond(60.0);
    // Rows, not frames: at least one a second at level 0.
    ASSERT_GE(at60.back(), kSeconds - 1);
    for (const double hertz : {59.94, 60.05, 75.0, 120.0, 144.0}) {
        SCOPED_TRACE(std::to_string(hertz) + " Hz");
        const std::vector<int> rows = RowsEachSecond(hertz);
        for (size_t second = 0; second < rows.size(); ++second) {
            EXPECT_LE(std::abs(rows[second] - at60[second]), 1) << "after " << second + 1 << " s";
        }
    }
}

}  // namespace
}  // namespace Drobix

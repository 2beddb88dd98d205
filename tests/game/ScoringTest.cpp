// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Scoring.h"

#include <gtest/gtest.h>

namespace Drobix {
namespace {

TEST(ScoringTest, FallIntervalPerLevel) {
    const unsigned expected[] = {600, 555, 510, 465, 420, 375, 330, 285, 240, 195};
    for (unsigned level = 0; level <= kMaxLevel; ++level) {
        EXPECT_EQ(FallInterval(level), expected[level]);
    }
}

TEST(ScoringTest, PlacementBonusLosesAPointPerWholeSecond) {
    EXPECT_EQ(PlacementBonus(0, 0), 10U);
    EXPECT_EQ(PlacementBonus(0, 999), 10U);
    EXPECT_EQ(PlacementBonus(0, 1000), 9U);
    EXPECT_EQ(PlacementBonus(0, 9999), 1U);
    EXPECT_EQ(PlacementBonus(0, 10000), 0U);
    EXPECT_EQ(PlacementBonus(0, 0xFFFFFFFFU), 0U);
    EXPECT_EQ(PlacementBonus(9, 0), 37U);
    EXPECT_EQ(PlacementBonus(9, 36999), 1U);
    EXPECT_EQ(PlacementBonus(9, 37000), 0U);
}

TEST(ScoringTest, RowBonusPerRowCount) {
    EXPECT_EQ(RowBonus(1, 0), 23U);
    EXPECT_EQ(RowBonus(2, 0), 29U);
    EXPECT_EQ(RowBonus(3, 0), 47U);
    EXPECT_EQ(RowBonus(4, 0), 101U);
    EXPECT_EQ(RowBonus(4, 9), 1010U);
    EXPECT_EQ(RowBonus(2, 3), 116U);
}

TEST(ScoringTest, LevelRisesOnceWhenLinesPassAMultipleOfTenAndNeverPastNine) {
    struct Step {
        unsigned rows;
        bool raised;
        unsigned level;
        uint32_t lines;
    };
    ScoreKeeper keeper;
    keeper.Reset(0);
    for (const Step& step :
         {Step{4, false, 0, 4}, Step{4, false, 0, 8}, Step{1, false, 0, 9}, Step{4, true, 1, 13},
          Step{4, false, 1, 17}, Step{1, false, 1, 18}, Step{4, true, 2, 22}, Step{4, false, 2, 26},
          Step{3, false, 2, 29}, Step{1, true, 3, 30}}) {
        EXPECT_EQ(keeper.AddRows(step.rows), step.raised) << "lines " << step.lines;
        EXPECT_EQ(keeper.GetLevel(), step.level);
        EXPECT_EQ(keeper.GetLines(), step.lines);
    }

    // Counted from the start of the game whatever the starting level.
    keeper.Reset(7);
    const bool expectedRaises[] = {false, false, true, false, true, false, false, false, false};
    for (bool expected : expectedRaises) {
        EXPECT_EQ(keeper.AddRows(4), expected);
    }
    EXPECT_EQ(keeper.GetLevel(), 9U);
    EXPECT_EQ(keeper.GetLines(), 36U);
}

TEST(ScoringTest, LandingUsesTheLevelBeforeItsRowsAreCounted) {
    ScoreKeeper keeper;
    keeper.Reset(0);
    for (int i = 0; i < 9; ++i) {
        keeper.AddRows(1);
    }
    // Crossing ten: 10 placement + 23 x (0 + 1), and the level rises.
    EXPECT_TRUE(keeper.ScoreLanding(500, 1, 18, 4));
    EXPECT_EQ(keeper.GetScore(), 33U);
    EXPECT_EQ(keeper.GetLevel(), 1U);
    // The next landing scores at the new level: 13 placement + 23 x 2.
    EXPECT_FALSE(keeper.ScoreLanding(0, 1, 17, 0));
    EXPECT_EQ(keeper.GetScore(), 33U + 59U);
    ASSERT_EQ(keeper.GetPopups().size(), 2U);
    EXPECT_EQ(keeper.GetPopups()[0].text, "33");
    EXPECT_EQ(keeper.GetPopups()[1].text, "59");
    EXPECT_EQ(keeper.GetPopups()[1].x, 0);
    EXPECT_EQ(keeper.GetPopups()[1].y, 17 * 26);
}

TEST(ScoringTest, FourRowsAtLevelZeroMakeOneAwardAndSlowLandingsNone) {
    ScoreKeeper keeper;
    keeper.Reset(0);
    keeper.ScoreLanding(2500, 4, 16, 3);
    EXPECT_EQ(keeper.GetScore(), 101U + 8U);
    ASSERT_EQ(keeper.GetPopups().size(), 1U);
    const ScorePopup& popup = keeper.GetPopups()[0];
    EXPECT_EQ(popup.text, "109");
    EXPECT_EQ(popup.x, 78);
    EXPECT_EQ(popup.y, 416);
    EXPECT_EQ(popup.rise, 0);

    // More than 10 seconds at level 0 and no rows: nothing at all.
    keeper.ScoreLanding(10000, 0, 0, 0);
    EXPECT_EQ(keeper.GetScore(), 109U);
    EXPECT_EQ(keeper.GetPopups().size(), 1U);
}

TEST(ScoringTest, PopupScaleFollowsTheLogarithmUpToItsCap) {
    EXPECT_NEAR(PopupScale(10), 0.7302585F, 1e-6F);
    EXPECT_NEAR(PopupScale(101), 0.9615121F, 1e-6F);
    EXPECT_FLOAT_EQ(PopupScale(1), 0.5F);
    EXPECT_LT(PopupScale(22026), 1.5F);
    EXPECT_EQ(PopupScale(22027), 1.5F);
    EXPECT_EQ(PopupScale(4000000000U), 1.5F);
}

TEST(ScoringTest, PopupsTakeAtMostOneStepPerFrameAndShrinkAway) {
    ScoreKeeper keeper;
    keeper.Reset(0);
    // No popups: the timer keeps growing, so the first popup steps at the next frame.
    keeper.StepPopups(150);
    keeper.AwardPoints(10, 2, 3);
    keeper.StepPopups(0);
    ASSERT_EQ(keeper.GetPopups().size(), 1U);
    EXPECT_EQ(keeper.GetPopups()[0].rise, 1);

    keeper.StepPopups(100);  // not more than 100 ms: no step
    EXPECT_EQ(keeper.GetPopups()[0].rise, 1);
    keeper.StepPopups(5000);  // a long frame still takes only one step
    EXPECT_EQ(keeper.GetPopups()[0].rise, 2);

    // Scale 0.73 shrinks by 0.05 a step: gone after 15 steps in all.
    int steps = 2;
    while (!keeper.GetPopups().empty()) {
        keeper.StepPopups(101);
        ++steps;
        ASSERT_LT(steps, 100);
    }
    EXPECT_EQ(steps, 15);
}

TEST(ScoringTest, PopupSwaysAsItRises) {
    ScorePopup popup{78, 416, 0, 1.0F, "109"};
    EXPECT_EQ(PopupDrawPosition(popup).x, 348);
    EXPECT_EQ(PopupDrawPosition(popup).y, 456);
    popup.rise = 2;  // sin 2 = 0.909 -> 18 pixels right
    EXPECT_EQ(PopupDrawPosition(popup).x, 366);
    EXPECT_EQ(PopupDrawPosition(popup).y, 454);
    popup.rise = 4;  // sin 4 = -0.757 -> 15 pixels left, truncated towards zero
    EXPECT_EQ(PopupDrawPosition(popup).x, 333);
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Random.h"

#include <gtest/gtest.h>

namespace Drobix {
namespace {

TEST(RandomTest, FollowsTheSharedSequenceFromStateOneAndFromASeed) {
    SeedRandom(1);
    EXPECT_EQ(NextRandom(), 41);
    EXPECT_EQ(NextRandom(), 18467);
    EXPECT_EQ(NextRandom(), 6334);
    EXPECT_EQ(NextRandom(), 26500);
    EXPECT_EQ(NextRandom(), 19169);

    // s = 0 -> 2531011, whose upper bits are 38.
    SeedRandom(0);
    EXPECT_EQ(NextRandom(), 38);
}

}  // namespace
}  // namespace Drobix

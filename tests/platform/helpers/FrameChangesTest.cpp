// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/FrameChanges.h"

#include <gtest/gtest.h>

namespace Drobix::Platform {
namespace {

int CountChanged(const FrameChanges& changes) {
    int count = 0;
    for (int y = 0; y < kFrameHeight; ++y) {
        count += changes.Columns(y).left < changes.Columns(y).right ? 1 : 0;
    }
    return count;
}

TEST(FrameChangesTest, EveryRowInFullAtFirstAndAfterInvalidatingThenOnlyTheSpannedOnes) {
    FrameChanges changes;
    changes.Take(ChangedSpans{});
    EXPECT_EQ(CountChanged(changes), kFrameHeight);
    EXPECT_EQ(changes.Columns(599).left, 0);
    EXPECT_EQ(changes.Columns(599).right, kFrameWidth);
    EXPECT_EQ(changes.ChangedRows(), std::pair(0, kFrameHeight));

    changes.Take(ChangedSpans{});
    EXPECT_EQ(CountChanged(changes), 0);
    EXPECT_EQ(changes.ChangedRows().first, changes.ChangedRows().second);

    ChangedSpans spans;
    spans[20] = {96, 112};
    spans[30] = {300, 300};
    spans[41] = {0, 1};
    changes.Take(spans);
    EXPECT_EQ(CountChanged(changes), 2);
    EXPECT_EQ(changes.Columns(20).left, 96);
    EXPECT_EQ(changes.Columns(20).right, 112);
    EXPECT_EQ(changes.ChangedRows(), std::pair(20, 42));

    changes.Invalidate();
    changes.Take(spans);
    EXPECT_EQ(CountChanged(changes), kFrameHeight);
    changes.Take(spans);
    EXPECT_EQ(CountChanged(changes), 2);
}

TEST(FrameChangesTest, SpansAreCutToTheFrame) {
    FrameChanges changes;
    changes.Take(ChangedSpans{});
    ChangedSpans spans;
    spans[0] = {-50, 5000};
    spans[599] = {900, 1000};
    spans[300] = {700, -3};
    changes.Take(spans);
    EXPECT_EQ(CountChanged(changes), 1);
    EXPECT_EQ(changes.Columns(0).left, 0);
    EXPECT_EQ(changes.Columns(0).right, kFrameWidth);
}

}  // namespace
}  // namespace Drobix::Platform

#include "platform/shared/FrameChanges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace Drobix::Platform {
namespace {

int CountChanged(const std::vector<bool>& rows) {
    return static_cast<int>(std::count(rows.begin(), rows.end(), true));
}

TEST(FrameChangesTest, EveryRowAtFirstAndAfterInvalidatingThenOnlyTheSpannedOnes) {
    FrameChanges changes;
    // Nothing was presented before: every row and column, whatever the spans.
    EXPECT_EQ(CountChanged(changes.Take(ChangedSpans{})), kFrameHeight);
    EXPECT_EQ(changes.ChangedColumns().left, 0);
    EXPECT_EQ(changes.ChangedColumns().right, kFrameWidth);

    EXPECT_EQ(CountChanged(changes.Take(ChangedSpans{})), 0);
    EXPECT_EQ(changes.ChangedColumns().right, changes.ChangedColumns().left);

    ChangedSpans spans;
    spans[20] = {96, 112};
    spans[30] = {300, 300};
    const std::vector<bool> changed = changes.Take(spans);
    EXPECT_EQ(CountChanged(changed), 1);
    EXPECT_TRUE(changed[20]);
    EXPECT_EQ(changes.ChangedColumns().left, 96);
    EXPECT_EQ(changes.ChangedColumns().right, 112);

    changes.Invalidate();
    EXPECT_EQ(CountChanged(changes.Take(spans)), kFrameHeight);
    EXPECT_EQ(CountChanged(changes.Take(spans)), 1);
}

TEST(FrameChangesTest, SpansAreCutToTheFrame) {
    FrameChanges changes;
    changes.Take(ChangedSpans{});
    ChangedSpans spans;
    spans[0] = {-50, 5000};
    spans[599] = {900, 1000};
    spans[300] = {700, -3};
    const std::vector<bool> changed = changes.Take(spans);
    EXPECT_EQ(CountChanged(changed), 1);
    EXPECT_TRUE(changed[0]);
    EXPECT_EQ(changes.ChangedColumns().left, 0);
    EXPECT_EQ(changes.ChangedColumns().right, kFrameWidth);
}

}  // namespace
}  // namespace Drobix::Platform

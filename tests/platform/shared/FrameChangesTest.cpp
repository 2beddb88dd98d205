#include "platform/shared/FrameChanges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace Drobix::Platform {
namespace {

int CountChanged(const std::vector<bool>& rows) {
    return static_cast<int>(std::count(rows.begin(), rows.end(), true));
}

ChangedSpans Everywhere() {
    ChangedSpans spans;
    spans.fill({0, kFrameWidth});
    return spans;
}

TEST(FrameChangesTest, OnlyTheRowsThatDifferFromTheLastFrameCount) {
    FrameChanges changes;
    std::vector<uint16_t> frame(kFramePixels, 0x1234);
    // Nothing was presented before: every row is new, whatever the candidates.
    EXPECT_EQ(CountChanged(changes.Compare(frame.data(), ChangedSpans{})), kFrameHeight);
    EXPECT_EQ(CountChanged(changes.Compare(frame.data(), Everywhere())), 0);

    // The last pixel of row 37 and the first of row 599.
    frame[38 * kFrameWidth - 1] = 0x4321;
    frame[599 * kFrameWidth] = 0;
    const std::vector<bool> changed = changes.Compare(frame.data(), Everywhere());
    EXPECT_EQ(CountChanged(changed), 2);
    EXPECT_TRUE(changed[37]);
    EXPECT_TRUE(changed[599]);
    // Compared with the frame kept last time, not the first one.
    EXPECT_EQ(CountChanged(changes.Compare(frame.data(), Everywhere())), 0);

    changes.Invalidate();
    EXPECT_EQ(CountChanged(changes.Compare(frame.data(), ChangedSpans{})), kFrameHeight);
    EXPECT_EQ(CountChanged(changes.Compare(frame.data(), Everywhere())), 0);
}

TEST(FrameChangesTest, OnlyCandidateSpansAreComparedAndKept) {
    FrameChanges changes;
    std::vector<uint16_t> frame(kFramePixels, 0x1234);
    changes.Compare(frame.data(), Everywhere());
    frame[10 * kFrameWidth] = 1;
    frame[20 * kFrameWidth + 100] = 2;
    frame[30 * kFrameWidth + 300] = 3;
    ChangedSpans candidates;
    candidates[20] = {96, 112};
    // Row 30 changed just outside its span; an unbounded span is cut to the row.
    candidates[30] = {301, 400};
    candidates[40] = {-50, 5000};
    const std::vector<bool> changed = changes.Compare(frame.data(), candidates);
    EXPECT_EQ(CountChanged(changed), 1);
    EXPECT_TRUE(changed[20]);
    // Only the changed row's span: row 30's and row 40's spans found nothing.
    EXPECT_EQ(changes.ChangedColumns().left, 96);
    EXPECT_EQ(changes.ChangedColumns().right, 112);
    // Rows 10 and 30 were not kept, so once spanned they still differ from what was presented.
    candidates = Everywhere();
    const std::vector<bool> later = changes.Compare(frame.data(), candidates);
    EXPECT_EQ(CountChanged(later), 2);
    EXPECT_TRUE(later[10]);
    EXPECT_TRUE(later[30]);
    EXPECT_EQ(changes.ChangedColumns().right - changes.ChangedColumns().left, kFrameWidth);
    changes.Compare(frame.data(), candidates);
    EXPECT_EQ(changes.ChangedColumns().right, changes.ChangedColumns().left);
}

}  // namespace
}  // namespace Drobix::Platform

#include "platform/shared/FrameChanges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace Drobix::Platform {
namespace {

int CountChanged(const std::vector<bool>& rows) {
    return static_cast<int>(std::count(rows.begin(), rows.end(), true));
}

TEST(FrameChangesTest, OnlyTheRowsThatDifferFromTheLastFrameCount) {
    FrameChanges changes;
    std::vector<uint16_t> frame(kFramePixels, 0x1234);
    // Nothing was presented before: every row is new.
    EXPECT_EQ(CountChanged(changes.Compare(frame.data())), kFrameHeight);
    EXPECT_EQ(CountChanged(changes.Compare(frame.data())), 0);

    // The last pixel of row 37 and the first of row 599.
    frame[38 * kFrameWidth - 1] = 0x4321;
    frame[599 * kFrameWidth] = 0;
    const std::vector<bool> changed = changes.Compare(frame.data());
    EXPECT_EQ(CountChanged(changed), 2);
    EXPECT_TRUE(changed[37]);
    EXPECT_TRUE(changed[599]);
    // Compared with the frame kept last time, not the first one.
    EXPECT_EQ(CountChanged(changes.Compare(frame.data())), 0);

    changes.Invalidate();
    EXPECT_EQ(CountChanged(changes.Compare(frame.data())), kFrameHeight);
    EXPECT_EQ(CountChanged(changes.Compare(frame.data())), 0);
}

}  // namespace
}  // namespace Drobix::Platform

#pragma once

#include <cstdint>
#include <vector>

#include "platform/Presenter.h"

namespace Drobix::Platform {

// Which rows of a frame differ from the frame presented before, so that a presenter that
// converts and scales on the processor does that only for the rows that changed.
class FrameChanges {
public:
    // Every row counts as changed at the next comparison: the window's pixels are new or were
    // exposed.
    void Invalidate() { valid_ = false; }
    // Compares the frame (kFramePixels pixels) with the one kept, then keeps it; only the
    // candidate spans can have changed. The result has one entry per frame row, true where the
    // row changed.
    const std::vector<bool>& Compare(const uint16_t* frame, const ChangedSpans& candidates);
    // The columns of the frame's changed rows that the last comparison looked at: every change
    // it found lies in them (empty when there was none).
    RowSpan ChangedColumns() const { return changedColumns_; }

private:
    std::vector<uint16_t> previous_;
    std::vector<bool> changed_;
    RowSpan changedColumns_;
    bool valid_ = false;
};

}  // namespace Drobix::Platform

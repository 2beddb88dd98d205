#pragma once

#include <vector>

#include "platform/Presenter.h"

namespace Drobix::Platform {

// Which rows and columns of a frame a presenter that converts and scales on the processor has
// to present again: those where the frame may differ from the one presented before, as its
// changed spans say, or all of them when the window's pixels are new or were exposed.
class FrameChanges {
public:
    // Every row counts as changed at the next frame.
    void Invalidate() { valid_ = false; }
    // One entry per frame row, true where the row changed. Spans are bounded here, whoever
    // made them.
    const std::vector<bool>& Take(const ChangedSpans& spans);
    // The columns that hold every change of the frame last taken (empty when there was none).
    RowSpan ChangedColumns() const { return changedColumns_; }

private:
    std::vector<bool> changed_;
    RowSpan changedColumns_;
    bool valid_ = false;
};

}  // namespace Drobix::Platform

#include "platform/shared/FrameChanges.h"

#include <algorithm>

namespace Drobix::Platform {

const std::vector<bool>& FrameChanges::Take(const ChangedSpans& spans) {
    changed_.assign(kFrameHeight, !valid_);
    changedColumns_ = valid_ ? RowSpan{kFrameWidth, 0} : RowSpan{0, kFrameWidth};
    for (int y = 0; y < kFrameHeight && valid_; ++y) {
        const auto row = static_cast<std::size_t>(y);
        const int left = std::clamp(spans[row].left, 0, kFrameWidth);
        const int right = std::clamp(spans[row].right, left, kFrameWidth);
        if (left < right) {
            changed_[row] = true;
            changedColumns_.left = std::min(changedColumns_.left, left);
            changedColumns_.right = std::max(changedColumns_.right, right);
        }
    }
    if (changedColumns_.left >= changedColumns_.right) {
        changedColumns_ = {};
    }
    valid_ = true;
    return changed_;
}

}  // namespace Drobix::Platform

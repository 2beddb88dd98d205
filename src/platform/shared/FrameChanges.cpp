#include "platform/shared/FrameChanges.h"

#include <algorithm>
#include <cstring>

namespace Drobix::Platform {

const std::vector<bool>& FrameChanges::Compare(const uint16_t* frame,
                                               const ChangedSpans& candidates) {
    previous_.resize(kFramePixels);
    changed_.assign(kFrameHeight, !valid_);
    for (int y = 0; y < kFrameHeight; ++y) {
        const auto row = static_cast<std::size_t>(y);
        // Spans are bounded here, whoever made them.
        const int left = valid_ ? std::clamp(candidates[row].left, 0, kFrameWidth) : 0;
        const int right =
            valid_ ? std::clamp(candidates[row].right, left, kFrameWidth) : kFrameWidth;
        const std::size_t offset = row * kFrameWidth + static_cast<std::size_t>(left);
        const std::size_t bytes = static_cast<std::size_t>(right - left) * sizeof(uint16_t);
        if (valid_ && std::memcmp(previous_.data() + offset, frame + offset, bytes) != 0) {
            changed_[row] = true;
        }
        if (changed_[row]) {
            std::memcpy(previous_.data() + offset, frame + offset, bytes);
        }
    }
    valid_ = true;
    return changed_;
}

}  // namespace Drobix::Platform

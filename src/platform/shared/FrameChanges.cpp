#include "platform/shared/FrameChanges.h"

#include <algorithm>

namespace Drobix::Platform {

namespace {

// Copies count pixels of row over kept and tells whether any differed. A plain loop rather
// than memcmp and memcpy: the spans are short, and on processors with AVX-512 the C library's
// versions cost more in the program's time (their first wide instruction after each wake) than
// the few bytes they handle.
bool KeepRow(uint16_t* kept, const uint16_t* row, std::size_t count) {
    uint16_t difference = 0;
    for (std::size_t i = 0; i < count; ++i) {
        difference |= static_cast<uint16_t>(kept[i] ^ row[i]);
        kept[i] = row[i];
    }
    return difference != 0;
}

}  // namespace

const std::vector<bool>& FrameChanges::Compare(const uint16_t* frame,
                                               const ChangedSpans& candidates) {
    previous_.resize(kFramePixels);
    changed_.assign(kFrameHeight, !valid_);
    changedColumns_ = valid_ ? RowSpan{kFrameWidth, 0} : RowSpan{0, kFrameWidth};
    for (int y = 0; y < kFrameHeight; ++y) {
        const auto row = static_cast<std::size_t>(y);
        // Spans are bounded here, whoever made them.
        const int left = valid_ ? std::clamp(candidates[row].left, 0, kFrameWidth) : 0;
        const int right =
            valid_ ? std::clamp(candidates[row].right, left, kFrameWidth) : kFrameWidth;
        const std::size_t offset = row * kFrameWidth + static_cast<std::size_t>(left);
        if (KeepRow(previous_.data() + offset, frame + offset,
                    static_cast<std::size_t>(right - left))) {
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

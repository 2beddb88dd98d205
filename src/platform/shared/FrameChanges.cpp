#include "platform/shared/FrameChanges.h"

#include <algorithm>
#include <cstring>

namespace Drobix::Platform {

const std::vector<bool>& FrameChanges::Compare(const uint16_t* frame) {
    constexpr std::size_t kRowBytes = kFrameWidth * sizeof(uint16_t);
    previous_.resize(kFramePixels);
    changed_.assign(kFrameHeight, true);
    for (int y = 0; y < kFrameHeight; ++y) {
        const std::size_t offset = static_cast<std::size_t>(y) * kFrameWidth;
        if (valid_ && std::memcmp(previous_.data() + offset, frame + offset, kRowBytes) == 0) {
            changed_[static_cast<std::size_t>(y)] = false;
        }
    }
    std::copy(frame, frame + kFramePixels, previous_.begin());
    valid_ = true;
    return changed_;
}

}  // namespace Drobix::Platform

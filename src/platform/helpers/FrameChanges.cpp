// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/helpers/FrameChanges.h"

#include <algorithm>

namespace Drobix::Platform {

void FrameChanges::Take(const ChangedSpans& spans) {
    changedRows_ = {0, 0};
    for (size_t row = 0; row < columns_.size(); ++row) {
        const int left = valid_ ? std::clamp(spans[row].left, 0, kFrameWidth) : 0;
        const int right = valid_ ? std::clamp(spans[row].right, left, kFrameWidth) : kFrameWidth;
        columns_[row] = left < right ? RowSpan{left, right} : RowSpan{};
        if (left < right) {
            const int y = static_cast<int>(row);
            changedRows_ = {changedRows_.first == changedRows_.second ? y : changedRows_.first,
                            y + 1};
        }
    }
    valid_ = true;
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <utility>

#include "platform/Presenter.h"

namespace Drobix::Platform {

// Which columns of each row of a frame a presenter that converts and scales on the processor
// has to present again: those where the frame may differ from the one presented before, as its
// changed spans say, or all of them when the window's pixels are new or were exposed.
class FrameChanges {
public:
    // Every row counts as changed in full at the next frame.
    void Invalidate() { valid_ = false; }
    // Takes the next frame's spans, bounded here, whoever made them.
    void Take(const ChangedSpans& spans);
    // The columns of frame row y (inside the frame) that changed in the frame last taken; left ==
    // right when none did.
    RowSpan Columns(int y) const { return columns_[static_cast<size_t>(y)]; }
    // The rows [first, last) from the first changed row to the last; first == last when none.
    std::pair<int, int> ChangedRows() const { return changedRows_; }

private:
    ChangedSpans columns_{};
    std::pair<int, int> changedRows_{0, 0};
    bool valid_ = false;
};

}  // namespace Drobix::Platform

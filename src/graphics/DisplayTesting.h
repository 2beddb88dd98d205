// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Only tests and benchmarks use this.

namespace Drobix::Testing {

// The next frame is drawn in full, as if the frame before were unknown: what a frame costs
// when all of it changes.
void RedrawWholeFrameNext();

}  // namespace Drobix::Testing

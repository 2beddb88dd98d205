// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Only tests and benchmarks use this.

#include "graphics/Rect.h"

namespace Drobix::Testing {

// The part of row y in the tiles the frame record redrew for the last present (empty when
// none); the spans presented are narrowed from them to the pixels that differ from the frame
// presented before.
Rect GetRedrawnPart(int y);

// The next frame is drawn in full, as if the frame before were unknown: what a frame costs
// when all of it changes.
void RedrawWholeFrameNext();

}  // namespace Drobix::Testing

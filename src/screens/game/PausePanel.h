// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graphics/Rect.h"

namespace Drobix {

// The pause's cover: a bordered panel over the well saying "Paused" and which keys resume (the
// first key bound to pause, and a pad's Start), and a plain one over the next block.
void DrawPausePanel(const Rect& well, const Rect& preview);

}  // namespace Drobix

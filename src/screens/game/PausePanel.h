// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "graphics/Rect.h"

namespace Drobix {

// What the pause says under "Paused", a line each; an empty line is not shown.
struct PauseHints {
    std::string key;  // the key that resumes
    std::string pad;  // a pad's Start
};

// The first key bound to pause, and a pad's Start while a pad is plugged in. With no key bound
// to pause, Start is named whatever is plugged in: it is then the only way back to the game.
PauseHints PauseHintsFor(std::string_view pauseKey, bool padConnected);

// The pause's cover: a bordered panel over the well saying "Paused" and which keys resume, and
// a plain one over the next block.
void DrawPausePanel(const Rect& well, const Rect& preview);

}  // namespace Drobix

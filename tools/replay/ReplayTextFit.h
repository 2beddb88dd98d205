// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>
#include <string>

namespace Drobix::Replay {

// Checks where the last pass drew its texts: each within the screen (or the picture it was
// drawn into), within the smallest panel around its centre, clear of the panels inside that
// panel and of the other texts in it. Prints "textfit ok", or a line for each fault. Texts
// drawn under clip rectangles (the scrolling credits) and the score pop-ups are left out.
void PrintTextFit(std::ostream& out);

// Uses the pseudo-translation: every English text with its letters accented and a third
// longer, placeholders and key names kept, to try the layout before translations exist.
void UsePseudoTranslation();

}  // namespace Drobix::Replay

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace Drobix {

// Lines of text in the small font with their first glyph's top-left corner at (left, top), and a
// ">" left of the chosen line (0 the first). The marker's row comes from the same line positions
// as the text's line feeds, so it stands on its line at any line height and any scale.
void DrawLinesWithMarker(std::string_view text, int left, int top, int chosenLine);

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <optional>

#include "graphics/Fonts.h"

namespace Drobix::Testing {

// How many of the font's 256 bytes have a glyph.
inline int GlyphCount(const BitmapFont& font) {
    return static_cast<int>(std::ranges::count_if(
        font.glyphs, [](const std::optional<Rect>& glyph) { return glyph.has_value(); }));
}

}  // namespace Drobix::Testing

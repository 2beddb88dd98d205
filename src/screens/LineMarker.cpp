// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/LineMarker.h"

#include "graphics/Fonts.h"

namespace Drobix {

namespace {

constexpr FontId kLineFont = FontId::Small;
// From the marker's left edge to the text's.
constexpr int kMarkerGap = 14;

}  // namespace

void DrawLinesWithMarker(std::string_view text, int left, int top, int chosenLine) {
    DrawString(kLineFont, text, left, top);
    DrawString(kLineFont, ">", left - kMarkerGap, TextLineTop(kLineFont, top, chosenLine));
}

}  // namespace Drobix

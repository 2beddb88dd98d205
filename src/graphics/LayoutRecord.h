// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "graphics/Fonts.h"
#include "graphics/Rect.h"

// Where texts and panels were drawn: while switched on, each text drawn and each panel drawn
// on the screen is noted, so that a check can find text that leaves its panel, covers another
// text or leaves the screen. Off (its default), it costs one test per drawing.

namespace Drobix {

struct RecordedText {
    std::string text;
    FontId font = FontId::Small;
    Rect bounds;
    bool clipped = false;  // drawn while clip rectangles limit the screen
    bool onScreen = true;  // else into a picture of surfaceWidth x surfaceHeight
    int surfaceWidth = 0;
    int surfaceHeight = 0;
};

struct LayoutRecord {
    std::vector<RecordedText> texts;
    std::vector<Rect> panels;
};

namespace Testing {

void RecordLayout(bool on);
// Forgets what was drawn so far (the replay does so before each pass).
void ClearLayoutRecord();
const LayoutRecord& GetLayoutRecord();

}  // namespace Testing

bool IsLayoutRecorded();
void RecordDrawnText(const RecordedText& text);
void RecordDrawnPanel(const Rect& panel);
// What was drawn so far lies under a cover over the whole screen (the game's checker): only
// what comes after it counts.
void RecordCover();

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/game/PausePanel.h"

#include <string>

#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/GameActions.h"
#include "input/Input.h"

namespace Drobix {

namespace {

constexpr FontId kTitleFont = FontId::Large;
constexpr FontId kHintFont = FontId::Small;
constexpr int kLineGap = 12;

// The first key bound to pause, or nothing when every place is empty.
std::string_view PauseKeyName() {
    for (const int key : GetKeyBindings()[static_cast<size_t>(GameAction::Pause)]) {
        if (key != kNoKey) {
            return KeyName(key);
        }
    }
    return {};
}

void DrawCentred(FontId font, const std::string& text, int centreX, int top) {
    DrawString(font, text, centreX - MeasureText(font, text).width / 2, top);
}

}  // namespace

PauseHints PauseHintsFor(std::string_view pauseKey, bool padConnected) {
    if (pauseKey.empty()) {
        return {{}, "Press Start on a pad to resume"};
    }
    PauseHints hints{"Press " + std::string(pauseKey) + " to resume", {}};
    if (padConnected) {
        hints.pad = "or Start on a pad";
    }
    return hints;
}

void DrawPausePanel(const Rect& well, const Rect& preview) {
    DrawBorderedPanel(&well);
    DrawBorderedPanel(&preview);
    const PauseHints hints = PauseHintsFor(PauseKeyName(), IsPadPresent());
    const int lineCount = (hints.key.empty() ? 0 : 1) + (hints.pad.empty() ? 0 : 1);
    const int titleHeight = MeasureText(kTitleFont, "Paused").height;
    const int hintHeight = MeasureText(kHintFont, "P").height;
    const int height = titleHeight + lineCount * (kLineGap + hintHeight);
    const int centreX = (well.left + well.right) / 2;
    int top = (well.top + well.bottom) / 2 - height / 2;
    DrawCentred(kTitleFont, "Paused", centreX, top);
    top += titleHeight + kLineGap;
    for (const std::string* line : {&hints.key, &hints.pad}) {
        if (!line->empty()) {
            DrawCentred(kHintFont, *line, centreX, top);
            top += hintHeight + kLineGap;
        }
    }
}

}  // namespace Drobix

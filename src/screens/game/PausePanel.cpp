// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/game/PausePanel.h"

#include <string>

#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/GameActions.h"
#include "input/Input.h"
#include "screens/ControlsScreen.h"
#include "strings/Texts.h"

namespace Drobix {

namespace {

constexpr FontId kTitleFont = FontId::Large;
constexpr FontId kHintFont = FontId::Small;
constexpr int kLineGap = 12;

// The first key bound to pause, or nothing when every place is empty.
std::string PauseKeyName() {
    for (const int key : GetKeyBindings()[static_cast<size_t>(GameAction::Pause)]) {
        if (key != kNoKey) {
            return KeyLabel(key);
        }
    }
    return {};
}

void DrawCentred(FontId font, std::string_view text, int centreX, int top) {
    DrawString(font, text, centreX - MeasureText(font, text).width / 2, top);
}

}  // namespace

PauseHints PauseHintsFor(std::string_view pauseKey, bool padConnected) {
    if (pauseKey.empty()) {
        return {{}, std::string(Text(TextId::PauseResumePad))};
    }
    PauseHints hints{FormatText(TextId::PauseResumeKey, {pauseKey}), {}};
    if (padConnected) {
        hints.pad = Text(TextId::PauseResumePadToo);
    }
    return hints;
}

void DrawPausePanel(const Rect& well, const Rect& preview) {
    DrawBorderedPanel(&well);
    DrawBorderedPanel(&preview);
    const PauseHints hints = PauseHintsFor(PauseKeyName(), IsPadPresent());
    const int lineCount = (hints.key.empty() ? 0 : 1) + (hints.pad.empty() ? 0 : 1);
    const std::string_view title = Text(TextId::PausedTitle);
    const int titleHeight = MeasureText(kTitleFont, title).height;
    const int hintHeight = MeasureText(kHintFont, "P").height;
    const int height = titleHeight + lineCount * (kLineGap + hintHeight);
    const int centreX = (well.left + well.right) / 2;
    int top = (well.top + well.bottom) / 2 - height / 2;
    DrawCentred(kTitleFont, title, centreX, top);
    top += titleHeight + kLineGap;
    for (const std::string* line : {&hints.key, &hints.pad}) {
        if (!line->empty()) {
            DrawCentred(kHintFont, *line, centreX, top);
            top += hintHeight + kLineGap;
        }
    }
}

}  // namespace Drobix

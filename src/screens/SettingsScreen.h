// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "screens/FrameText.h"
#include "screens/NonGameScreenBase.h"
#include "storage/Preferences.h"

namespace Drobix {

// The settings beyond the options, one line each: the window mode, the two sound levels, the
// landing shadow, the cells' patterns, the way to the controls and the handling. A digit steps
// its line; the arrows (or a pad's D-pad) pick a line and lower or raise it, Enter (or A)
// steps it. Every change is kept in the settings file at once.
class SettingsScreen final : public NonGameScreenBase {
public:
    void OnEnter() override;
    void Render() override;
    void Update(unsigned elapsedMs) override;

    int GetSelectedLine() const { return selected_; }

private:
    void ReadKeys();
    // Steps the line's setting one way (-1 or +1); the last line opens the controls.
    void Change(int line, int direction);

    uint32_t keyTimer_ = 0;
    int selected_ = 0;
    FrameText text_;
};

// Why the player's changes are not saved, in the player's language; empty while they are.
std::string DescribePreferencesProblem();

// The lines as the screen shows them, then the way back.
std::string BuildSettingsText(const Preferences& preferences, bool windowed);
// The level one step up or down, from the top round to silence and back.
int StepLevel(int level, int direction);

}  // namespace Drobix

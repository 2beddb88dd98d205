// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "screens/FrameText.h"
#include "screens/NonGameScreenBase.h"

namespace Drobix {

struct Settings;

// Screen 2: the seven options, one line each; a digit key steps its option to the next value.
class OptionsScreen final : public NonGameScreenBase {
public:
    void OnEnter() override;
    // The options chosen here reach the data file at once, not only at exit.
    void OnLeave(ScreenNumber nextScreen) override;
    void Render() override;
    void Update(unsigned elapsedMs) override;

private:
    void ReadKeys();

    uint32_t keyTimer_ = 0;
    FrameText text_;
};

// The options as the screen shows them, one numbered line each, then the way back.
std::string BuildOptionsText(const Settings& settings);
// The same into text, which keeps its storage from frame to frame.
void ComposeOptionsText(const Settings& settings, FrameText& text);
// What a press of the digit key (1..7) does to the settings.
void StepOption(Settings& settings, int digit);

}  // namespace Drobix

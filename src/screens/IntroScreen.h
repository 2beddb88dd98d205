// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "screens/FrameText.h"
#include "screens/NonGameScreenBase.h"

namespace Drobix {

// Screen 1, the main menu: the menu panel, the high-score table, the scrolling credits and the
// detected DirectX version over the menu backdrop.
class IntroScreen final : public NonGameScreenBase {
public:
    void OnEnter() override;
    void Render() override;
    void Update(unsigned elapsedMs) override;

    uint32_t GetScrollOffset() const { return scrollOffset_; }
    uint32_t GetCreditsWidth() const { return creditsWidth_; }

private:
    void ReadKeys();
    void AdvanceScroll();
    void DrawMenu() const;
    void DrawHighScores() const;
    void DrawCredits() const;
    void DrawVersion() const;
    void DrawSoundLine() const;

    uint32_t keyTimer_ = 0;
    std::string creditsText_;
    // The lines composed for drawing, kept so that frames do not allocate.
    mutable FrameText line_;
    uint32_t creditsWidth_ = 0;
    uint32_t scrollTimer_ = 0;
    uint32_t scrollOffset_ = 0;
};

// The score as the table shows it: at least six digits, zeros in front.
std::string FormatTableScore(uint32_t score);

}  // namespace Drobix

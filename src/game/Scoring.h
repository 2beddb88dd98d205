// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Drobix {

constexpr unsigned kMaxLevel = 9;
constexpr unsigned kLinesPerLevel = 10;

// One award floating up from where the block landed, in pixels from the board's top-left.
struct ScorePopup {
    int x = 0;
    int y = 0;
    int rise = 0;
    float scale = 0.0F;
    std::string text;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Milliseconds between automatic fall steps.
unsigned FallInterval(unsigned level);
// Points for placing a block quickly: one less for every whole second in play, never negative.
unsigned PlacementBonus(unsigned level, uint32_t timeSinceSpawn);
// Points for completing rowCount (1..4) rows at once, at the level before they are counted.
unsigned RowBonus(unsigned rowCount, unsigned level);
// Text scale of a popup for an award of points: grows with the logarithm, capped at 1.5.
float PopupScale(unsigned points);
// Where a popup is drawn this frame: swaying sideways as it rises.
ScreenPoint PopupDrawPosition(const ScorePopup& popup);

// Level, score, lines and popups of one game.
class ScoreKeeper {
public:
    void Reset(unsigned startingLevel);
    // Counts completed rows; true when that raised the level.
    bool AddRows(unsigned rowCount);
    // Adds to the score and shows a popup at the landed block's board position.
    void AwardPoints(unsigned points, int blockRow, int blockColumn);
    // The points for one landing, already awarded: placement bonus, then the row bonus at the
    // level before the rows are counted. Reports whether the level rose.
    bool ScoreLanding(uint32_t timeSinceSpawn, unsigned rowCount, int blockRow, int blockColumn);
    // At most one animation step per call, once more than 100 ms have gathered.
    void StepPopups(uint32_t elapsed);
    void ClearPopups() { popups_.clear(); }

    unsigned GetLevel() const { return level_; }
    uint32_t GetScore() const { return score_; }
    uint32_t GetLines() const { return lines_; }
    const std::vector<ScorePopup>& GetPopups() const { return popups_; }

private:
    unsigned level_ = 0;
    uint32_t score_ = 0;
    uint32_t lines_ = 0;
    std::vector<ScorePopup> popups_;
    uint32_t popupTimer_ = 0;
};

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Scoring.h"

#include <algorithm>
#include <cmath>

#include "game/BoardLayout.h"

namespace Drobix {

namespace {

constexpr size_t kReservedPopups = 32;
constexpr unsigned kSlowestFallInterval = 600;
constexpr unsigned kFallIntervalStep = 45;
constexpr int64_t kBasePlacementBonus = 10;
constexpr int64_t kPlacementBonusPerLevel = 3;
constexpr uint32_t kMsPerSecond = 1000;
constexpr unsigned kRowBonusBase = 3;
constexpr unsigned kRowBonusOffset = 20;
constexpr float kMaxPopupScale = 1.5F;
constexpr float kPopupShrinkPerStep = 0.05F;
constexpr uint32_t kPopupStepMs = 100;
constexpr double kPopupSwayPixels = 20.0;
}  // namespace

unsigned FallInterval(unsigned level) {
    return kSlowestFallInterval - kFallIntervalStep * level;
}

unsigned PlacementBonus(unsigned level, uint32_t timeSinceSpawn) {
    const int64_t bonus = kBasePlacementBonus + kPlacementBonusPerLevel * level -
                          static_cast<int64_t>(timeSinceSpawn / kMsPerSecond);
    return bonus > 0 ? static_cast<unsigned>(bonus) : 0;
}

unsigned RowBonus(unsigned rowCount, unsigned level) {
    unsigned power = 1;
    for (unsigned i = 0; i < rowCount; ++i) {
        power *= kRowBonusBase;
    }
    return (power + kRowBonusOffset) * (level + 1);
}

float PopupScale(unsigned points) {
    const float scale = std::log(static_cast<float>(points)) / 10.0F + 0.5F;
    return std::min(scale, kMaxPopupScale);
}

ScreenPoint PopupDrawPosition(const ScorePopup& popup) {
    const double sway = std::sin(static_cast<double>(popup.rise)) * popup.scale * kPopupSwayPixels;
    return {kBoardLeft + popup.x + static_cast<int>(sway), kBoardTop + popup.y - popup.rise};
}

void ScoreKeeper::Reset(unsigned startingLevel) {
    level_ = startingLevel;
    score_ = 0;
    lines_ = 0;
    popups_.clear();
    // Popups shrink away within a second or two, so far fewer than this are ever shown at once;
    // reserved so that landings do not allocate.
    popups_.reserve(kReservedPopups);
    popupTimer_ = 0;
}

bool ScoreKeeper::AddRows(unsigned rowCount) {
    const bool crossesTen = lines_ / kLinesPerLevel != (lines_ + rowCount) / kLinesPerLevel;
    const bool raised = level_ < kMaxLevel && crossesTen;
    if (raised) {
        ++level_;
    }
    lines_ += rowCount;
    return raised;
}

void ScoreKeeper::AwardPoints(unsigned points, int blockRow, int blockColumn) {
    score_ += points;
    popups_.push_back({kCellPitch * blockColumn, kCellPitch * blockRow, 0, PopupScale(points),
                       std::to_string(points)});
}

bool ScoreKeeper::ScoreLanding(uint32_t timeSinceSpawn, unsigned rowCount, int blockRow,
                               int blockColumn) {
    unsigned points = PlacementBonus(level_, timeSinceSpawn);
    bool raised = false;
    if (rowCount > 0) {
        points += RowBonus(rowCount, level_);
        raised = AddRows(rowCount);
    }
    if (points > 0) {
        AwardPoints(points, blockRow, blockColumn);
    }
    return raised;
}

void ScoreKeeper::StepPopups(uint32_t elapsed) {
    popupTimer_ += elapsed;
    if (popupTimer_ <= kPopupStepMs || popups_.empty()) {
        return;
    }
    popupTimer_ = 0;
    for (ScorePopup& popup : popups_) {
        popup.scale -= kPopupShrinkPerStep;
        ++popup.rise;
    }
    std::erase_if(popups_, [](const ScorePopup& popup) { return popup.scale <= 0.0F; });
}

}  // namespace Drobix

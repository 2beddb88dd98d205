// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/NonGameScreenBase.h"

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "game/Block.h"
#include "game/BlockFactory.h"
#include "game/Board.h"
#include "game/BoardLayout.h"
#include "game/Random.h"
#include "graphics/Display.h"
#include "graphics/ImageResources.h"
#include "resources/ResourceIds.h"
#include "screens/NonGameScreenBaseTesting.h"
#include "screens/game/DrawGrid.h"
#include "sound/Sound.h"
#include "sound/SoundPlayback.h"
#include "storage/Settings.h"

namespace Drobix {

namespace {

constexpr unsigned kBackgroundRows = 22;
constexpr unsigned kBackgroundColumns = 30;
constexpr int kBackgroundLeft = 10;
constexpr int kBackgroundTop = 14;

constexpr unsigned kLogoRows = 5;
constexpr unsigned kLogoColumns = 21;
constexpr int kLogoFrameTop = 38;
constexpr int kLogoFrameMargin = 15;

constexpr std::size_t kMaxDecorations = 10;
constexpr int kTurnChance = 10;
constexpr int kSpawnChancePerDecoration = 150;
constexpr int kIntervalSpread = 2000;
constexpr int kShortestInterval = 400;

// The letters of "DROBIX", five cells high, each row of the logo left to right ('#' filled).
// Cells are joined only side by side, so every cell of D, R, O and B has a side neighbour and
// their strokes meet side by side, or a letter falls apart on screen. Two exceptions read
// better than the rule: the X crosses diagonally, and the R's leg leaves its bowl at a corner
// (joined to the bowl, a 3 x 5 R reads as an A).
constexpr std::array<std::string_view, kLogoRows> kLogoPattern = {
    "###.###.###.###.#.#.#", "#.#.#.#.#.#.#.#.#.#.#", "#.#.##..#.#.##..#..#.",
    "#.#.#.#.#.#.#.#.#.#.#", "##..#.#.###.###.#.#.#",
};

// A decorative block on the background board; row -1 while it is not on the board yet.
struct FallingDecoration {
    Block* block = nullptr;
    int32_t row = -1;
    uint32_t column = 0;
    uint32_t interval = 0;
    uint32_t timer = 0;
};

struct MenuBackdrop {
    ImageSurface* background = nullptr;
    std::unique_ptr<Board> backgroundBoard;
    std::unique_ptr<Board> logoBoard;
    std::vector<FallingDecoration> decorations;
    Sound* music = nullptr;
    int musicId = 0;
};

// Exists exactly while the background picture is loaded.
std::unique_ptr<MenuBackdrop> backdrop;

void FillLogo(Board& logo) {
    Block* block = CreateRandomBlock(GetBlockOptions());
    for (unsigned row = 0; row < kLogoRows; ++row) {
        for (unsigned col = 0; col < kLogoColumns; ++col) {
            if (kLogoPattern[row][col] == '#') {
                logo.SetCell(row, col, block);
            }
        }
    }
}

void BuildBackdrop() {
    backdrop = std::make_unique<MenuBackdrop>();
    backdrop->background = LoadJpgImage(ResourceId::kMenuBackground);
    backdrop->backgroundBoard = std::make_unique<Board>(kBackgroundRows, kBackgroundColumns);
    backdrop->logoBoard = std::make_unique<Board>(kLogoRows, kLogoColumns);
    // So that decorations come and go without allocating.
    backdrop->decorations.reserve(kMaxDecorations);
    FillLogo(*backdrop->logoBoard);
    backdrop->musicId =
        NextRandom() % 2 != 0 ? ResourceId::kMenuMusicMarch : ResourceId::kMenuMusicBouncy;
    backdrop->music = LoadSound(backdrop->musicId, 0, SoundKind::Music);
    StartSound(backdrop->music, kDsbPlayLooping);
}

void ReleaseBackdrop() {
    DestroyImage(backdrop->background);
    backdrop->background = nullptr;
    backdrop->decorations.clear();
    DestroyAllBlocks();
    backdrop->logoBoard.reset();
    backdrop->backgroundBoard.reset();
    StopSound(backdrop->music);
    FreeSound(backdrop->musicId);
    backdrop.reset();
}

// One step down when the decoration's time has come; false once it has fallen past the bottom.
bool StepDecoration(FallingDecoration& decoration, Board& board, unsigned elapsedMs) {
    decoration.timer += elapsedMs;
    if (decoration.row != -1 && decoration.timer <= decoration.interval) {
        return true;
    }
    decoration.timer = 0;
    Block& block = *decoration.block;
    const auto column = static_cast<int>(decoration.column);
    if (decoration.row != -1) {
        board.Remove(block, decoration.row, column);
        if (NextRandom() % kTurnChance == 0) {
            block.RotateAnticlockwise();
            if (!board.Fits(block, decoration.row, column)) {
                block.RotateClockwise();
            }
        }
    }
    decoration.row += 1;
    if (decoration.row ==
        static_cast<int32_t>(board.GetRowCount()) - static_cast<int32_t>(block.GetRowCount()) + 1) {
        return false;
    }
    if (!board.Fits(block, decoration.row, column)) {
        decoration.row -= 1;
    }
    if (decoration.row != -1) {
        board.Place(block, decoration.row, column);
    }
    return true;
}

void MaybeStartDecoration(std::vector<FallingDecoration>& decorations, const Board& board) {
    const std::size_t count = decorations.size();
    if (count >= kMaxDecorations) {
        return;
    }
    if (count > 0 && NextRandom() % (static_cast<int>(count) * kSpawnChancePerDecoration) != 0) {
        return;
    }
    FallingDecoration decoration;
    decoration.block = CreateRandomBlock(GetBlockOptions());
    decoration.column =
        static_cast<uint32_t>(NextRandom() % static_cast<int>(board.GetColumnCount() -
                                                              decoration.block->GetColumnCount()));
    decoration.interval = static_cast<uint32_t>(NextRandom() % kIntervalSpread + kShortestInterval);
    decorations.push_back(decoration);
}

void AdvanceDecorations(unsigned elapsedMs) {
    Board& board = *backdrop->backgroundBoard;
    auto& decorations = backdrop->decorations;
    for (auto it = decorations.begin(); it != decorations.end();) {
        if (StepDecoration(*it, board, elapsedMs)) {
            ++it;
            continue;
        }
        DestroyBlock(it->block);
        it = decorations.erase(it);
    }
    MaybeStartDecoration(decorations, board);
}

void DrawBackdrop() {
    DrawImage(backdrop->background, 0, 0);
    DrawGrid(*backdrop->backgroundBoard, kBackgroundLeft, kBackgroundTop);
    const int width = static_cast<int>(kLogoColumns) * kCellPitch;
    const int height = static_cast<int>(kLogoRows) * kCellPitch;
    const int left = kScreenWidth / 2 - width / 2 - kLogoFrameMargin;
    const Rect frame{left, kLogoFrameTop, left + width + 2 * kLogoFrameMargin,
                     kLogoFrameTop + height + 2 * kLogoFrameMargin};
    DrawBorderedPanel(&frame);
    DrawGrid(*backdrop->logoBoard, left + kLogoFrameMargin, kLogoFrameTop + kLogoFrameMargin);
}

}  // namespace

bool IsMenuScreen(ScreenNumber screenNumber) {
    switch (screenNumber) {
        case ScreenNumber::Intro:
        case ScreenNumber::Options:
        case ScreenNumber::Instructions:
        case ScreenNumber::Settings:
        case ScreenNumber::Controls:
            return true;
        case ScreenNumber::None:
        case ScreenNumber::Game:
            return false;
    }
    return false;
}

void NonGameScreenBase::OnEnter() {
    if (backdrop == nullptr) {
        BuildBackdrop();
    }
    entryTimer_ = 0;
}

void NonGameScreenBase::OnLeave(ScreenNumber nextScreen) {
    if (!IsMenuScreen(nextScreen) && backdrop != nullptr) {
        ReleaseBackdrop();
    }
}

void NonGameScreenBase::Render() {
    if (backdrop != nullptr) {
        DrawBackdrop();
    }
}

void NonGameScreenBase::Update(unsigned elapsedMs) {
    entryTimer_ += elapsedMs;
    if (backdrop != nullptr) {
        AdvanceDecorations(elapsedMs);
    }
}

namespace Testing {

std::size_t GetMenuDecorationCount() {
    return backdrop != nullptr ? backdrop->decorations.size() : 0;
}

const Board* GetMenuBackgroundBoard() {
    return backdrop != nullptr ? backdrop->backgroundBoard.get() : nullptr;
}

const Board* GetMenuLogoBoard() {
    return backdrop != nullptr ? backdrop->logoBoard.get() : nullptr;
}

int GetMenuMusicId() {
    return backdrop != nullptr ? backdrop->musicId : 0;
}

}  // namespace Testing

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One frame of the game screen, Update and Render, in a busy game: a board more than half full,
// the falling block, the preview and five score popups; and the same frame under the exit
// prompt, which dims the whole screen. Each comes after the same frame, as while nothing moves;
// the Redrawn ones are drawn in full, as when all of the screen changes. Compare each with
// BM_FrameCopy from the same run.
#include <benchmark/benchmark.h>

#include <vector>

#include "TempDataHome.h"
#include "game/Random.h"
#include "graphics/Display.h"
#include "graphics/DisplayTesting.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "platform/scripted/KeyboardScripted.h"
#include "screens/game/GameScreen.h"
#include "sound/Sound.h"
#include "storage/Settings.h"

namespace {

using namespace Drobix;

constexpr unsigned kRubbishRows = 11;
constexpr int kPopups = 5;
// Long enough for the hard drop to be allowed, so each such frame lands one block.
constexpr unsigned kDropFrameMs = 501;
// Just past the key gate.
constexpr unsigned kKeyGateMs = 151;

void HoldKeys(std::vector<int> keys) {
    Platform::Scripted::SetKeysDown(keys);
}

// Eleven rows of rubbish, nine cells each, then five blocks dropped at once, each leaving a popup.
void SetUpBusyGame(GameScreen& game) {
    SetRubbishRows(kRubbishRows);
    SetRubbishFrequency(1.0F);
    SeedRandom(3);
    game.OnEnter();
    HoldKeys({VirtualKey::kSpace});
    for (int i = 0; i < kPopups; ++i) {
        game.Update(kDropFrameMs);
    }
    HoldKeys({});
}

void RunGameFrames(benchmark::State& state, bool exitPrompt, bool redrawn) {
    const Testing::TempDataHome dataHome;
    OpenDisplay();
    BuildFonts();
    InitSound();
    LoadSettings();
    {
        GameScreen game;
        SetUpBusyGame(game);
        if (exitPrompt) {
            HoldKeys({VirtualKey::kEscape});
            game.Update(kKeyGateMs);
            HoldKeys({});
        }
        state.counters["filled_cells"] = [&game] {
            unsigned filled = 0;
            for (unsigned row = 0; row < game.GetBoard().GetRowCount(); ++row) {
                for (unsigned col = 0; col < game.GetBoard().GetColumnCount(); ++col) {
                    filled += game.GetBoard().IsCellFilled(row, col) ? 1 : 0;
                }
            }
            return filled;
        }();
        state.counters["popups"] = static_cast<double>(game.GetScores().GetPopups().size());
        state.counters["falling"] = game.GetFallingBlock() != nullptr ? 1 : 0;
        // Frames of no time keep the scene exactly as set up for every iteration.
        for (auto _ : state) {
            if (redrawn) {
                Testing::RedrawWholeFrameNext();
            }
            game.Update(0);
            game.Render();
            CompleteFrame();
            benchmark::DoNotOptimize(BackBufferPixels());
            benchmark::ClobberMemory();
        }
        game.OnLeave(ScreenNumber::Intro);
    }
    SaveSettings();
    ShutdownSound();
    FreeFonts();
    CloseDisplay();
}

void BM_GameFrame(benchmark::State& state) {
    RunGameFrames(state, false, false);
}
BENCHMARK(BM_GameFrame);

void BM_GameFrameUnderPrompt(benchmark::State& state) {
    RunGameFrames(state, true, false);
}
BENCHMARK(BM_GameFrameUnderPrompt);

void BM_GameFrameRedrawn(benchmark::State& state) {
    RunGameFrames(state, false, true);
}
BENCHMARK(BM_GameFrameRedrawn);

void BM_GameFrameUnderPromptRedrawn(benchmark::State& state) {
    RunGameFrames(state, true, true);
}
BENCHMARK(BM_GameFrameUnderPromptRedrawn);

}  // namespace

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One frame of the main menu, Update and Render, after a minute of falling decorations: the
// background, the decorations' board, the framed logo, the menu and high-score panels, the
// credits and the version line; the Redrawn one drawn in full, as when all of the screen changes.
// Compare with BM_FrameCopy from the same run.
#include <benchmark/benchmark.h>

#include "TempDataHome.h"
#include "app/IScreen.h"
#include "game/Random.h"
#include "graphics/Display.h"
#include "graphics/DisplayTesting.h"
#include "graphics/Fonts.h"
#include "screens/IntroScreen.h"
#include "screens/NonGameScreenBaseTesting.h"
#include "sound/Sound.h"
#include "storage/Settings.h"

namespace {

using namespace Drobix;

constexpr unsigned kFrameMs = 16;
constexpr int kWarmUpFrames = 3600;

void RunMenuFrames(benchmark::State& state, bool redrawn) {
    const Testing::TempDataHome dataHome;
    OpenDisplay();
    BuildFonts();
    InitSound();
    LoadSettings();
    SeedRandom(7);
    {
        IntroScreen intro;
        intro.OnEnter();
        for (int frame = 0; frame < kWarmUpFrames; ++frame) {
            intro.Update(kFrameMs);
        }
        state.counters["decorations"] = static_cast<double>(Testing::GetMenuDecorationCount());
        for (auto _ : state) {
            if (redrawn) {
                Testing::RedrawWholeFrameNext();
            }
            intro.Update(kFrameMs);
            intro.Render();
            CompleteFrame();
            benchmark::DoNotOptimize(BackBufferPixels());
            benchmark::ClobberMemory();
        }
        intro.OnLeave(ScreenNumber::None);
    }
    SaveSettings();
    ShutdownSound();
    FreeFonts();
    CloseDisplay();
}

void BM_MenuFrame(benchmark::State& state) {
    RunMenuFrames(state, false);
}
BENCHMARK(BM_MenuFrame);

void BM_MenuFrameRedrawn(benchmark::State& state) {
    RunMenuFrames(state, true);
}
BENCHMARK(BM_MenuFrameRedrawn);

}  // namespace

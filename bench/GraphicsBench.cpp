// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The graphics share of a frame: the board, a full-screen background, the dimming checker
// overlay and the presenter's conversion of the finished frame. Compare each with
// BM_FrameCopy from the same run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "game/Block.h"
#include "game/Board.h"
#include "game/BoardLayout.h"
#include "graphics/Display.h"
#include "graphics/DisplayTesting.h"
#include "graphics/ImageRegistry.h"
#include "graphics/ImageResources.h"
#include "platform/Presenter.h"
#include "platform/shared/RowScaler.h"
#include "resources/ResourceIds.h"
#include "screens/game/DrawGrid.h"

namespace {

using namespace Drobix;

constexpr int kSheetWidth = 43;
constexpr int kSheetHeight = 375;
constexpr int kCheckerWidth = 80;
constexpr int kCheckerHeight = 60;

// Enters a picture with the given pixels as if it had been loaded from resourceId.
ImageSurface* MakePicture(int resourceId, int width, int height, uint16_t (*pixel)(int, int)) {
    ImageSurface* image = CreateImageRecord();
    image->resourceId = resourceId;
    image->kind = ImageKind::Png;
    std::vector<uint16_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(pixel(x, y));
        }
    }
    SetImagePixels(image, width, height, pixels);
    return image;
}

uint16_t SheetPixel(int x, int y) {
    return static_cast<uint16_t>((x * 7 + y * 13) % 0xFFFF + 1);
}

uint16_t CheckerPixel(int x, int y) {
    return (x + y) % 2 == 0 ? 0xFFFF : 0;
}

// The board as the game draws it, after the same board; Redrawn, drawn in full.
void RunFullBoards(benchmark::State& state, bool redrawn) {
    OpenDisplay();
    MakePicture(ResourceId::kBlockSpriteSheet, kSheetWidth, kSheetHeight, SheetPixel);
    // Every cell filled: pairs of cells share a block, so joins, gaps and corners all occur.
    Board board(kBoardRows, kBoardColumns);
    std::vector<std::unique_ptr<Block>> blocks;
    for (unsigned row = 0; row < kBoardRows; ++row) {
        for (unsigned col = 0; col < kBoardColumns; ++col) {
            if (col % 2 == 0 || row % 3 == 0) {
                blocks.push_back(std::make_unique<Block>(1, 1, static_cast<int>((row + col) % 15)));
            }
            board.SetCell(row, col, blocks.back().get());
        }
    }
    for (auto _ : state) {
        if (redrawn) {
            Testing::RedrawWholeFrameNext();
        }
        // The game places and removes its falling block around every drawing, so the board's
        // drawing is worked out afresh each frame: so here too.
        board.SetCell(0, 0, board.GetCell(0, 0));
        DrawGrid(board, kBoardLeft, kBoardTop);
        CompleteFrame();
        benchmark::DoNotOptimize(BackBufferPixels());
        benchmark::ClobberMemory();
    }
    CloseDisplay();
}

void BM_DrawGridFullBoard(benchmark::State& state) {
    RunFullBoards(state, false);
}
BENCHMARK(BM_DrawGridFullBoard);

void BM_DrawGridFullBoardRedrawn(benchmark::State& state) {
    RunFullBoards(state, true);
}
BENCHMARK(BM_DrawGridFullBoardRedrawn);

// Two backgrounds in turn: the same draw again would be recognised and not made at all.
void BM_DrawImageFullScreen(benchmark::State& state) {
    OpenDisplay();
    ImageSurface* backgrounds[] = {
        MakePicture(ResourceId::kMenuBackground, kScreenWidth, kScreenHeight, SheetPixel),
        MakePicture(ResourceId::kGameBackgroundAurora, kScreenWidth, kScreenHeight, CheckerPixel)};
    size_t next = 0;
    for (auto _ : state) {
        DrawImage(backgrounds[next], 0, 0);
        next = 1 - next;
        CompleteFrame();
        benchmark::DoNotOptimize(BackBufferPixels());
        benchmark::ClobberMemory();
    }
    CloseDisplay();
}
BENCHMARK(BM_DrawImageFullScreen);

void BM_CheckerOverlay(benchmark::State& state) {
    OpenDisplay();
    MakePicture(ResourceId::kCheckerOverlay, kCheckerWidth, kCheckerHeight, CheckerPixel);
    ImageSurface* checker = LoadPngImageKeyed(ResourceId::kCheckerOverlay, 0xFFFFFF, 0xFFFFFF);
    for (auto _ : state) {
        // The same overlay again would not be drawn at all.
        Testing::RedrawWholeFrameNext();
        for (int y = 0; y < kScreenHeight; y += kCheckerHeight) {
            for (int x = 0; x < kScreenWidth; x += kCheckerWidth) {
                DrawImageKeyed(checker, x, y);
            }
        }
        CompleteFrame();
        benchmark::DoNotOptimize(BackBufferPixels());
        benchmark::ClobberMemory();
    }
    CloseDisplay();
}
BENCHMARK(BM_CheckerOverlay);

// One frame converted as the texture route converts it: band by band into one buffer (the
// framebuffer route converts a row at a time into one row's buffer).
void BM_PresenterConversion(benchmark::State& state) {
    std::vector<uint16_t> frame(Platform::kFramePixels);
    for (size_t i = 0; i < frame.size(); ++i) {
        frame[i] = static_cast<uint16_t>(i * 31);
    }
    std::vector<uint32_t> band(Platform::kConversionBandPixels);
    for (auto _ : state) {
        for (int top = 0; top < Platform::kFrameHeight; top += Platform::kConversionBandRows) {
            Platform::ConvertRgb565ToXrgb8888(
                frame.data() + static_cast<size_t>(top) * Platform::kFrameWidth, band.data(),
                Platform::kConversionBandPixels);
            benchmark::DoNotOptimize(band.data());
            benchmark::ClobberMemory();
        }
    }
}
BENCHMARK(BM_PresenterConversion);

// The framebuffer route's widening of a converted frame into a 1280 x 960 area, as on a
// 1280 x 1024 desktop: every source row scaled once, the repeated rows copied.
void BM_PresenterWidening(benchmark::State& state) {
    constexpr int kWidth = 1280;
    constexpr int kHeight = 960;
    std::vector<uint32_t> frame(Platform::kFramePixels, 0xFF123456U);
    std::vector<uint32_t> window(static_cast<size_t>(kWidth) * kHeight);
    Platform::RowScaler scaler;
    scaler.Prepare(Platform::kFrameWidth, kWidth);
    for (auto _ : state) {
        int previousSource = -1;
        for (int y = 0; y < kHeight; ++y) {
            const int source = y * Platform::kFrameHeight / kHeight;
            uint32_t* row = window.data() + static_cast<size_t>(y) * kWidth;
            if (source == previousSource) {
                std::memcpy(row, row - kWidth, kWidth * sizeof(uint32_t));
            } else {
                scaler.Scale(frame.data() + static_cast<size_t>(source) * Platform::kFrameWidth,
                             row);
            }
            previousSource = source;
        }
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PresenterWidening);

}  // namespace

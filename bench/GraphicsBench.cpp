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
#include "platform/helpers/RowScaler.h"
#include "platform/helpers/SharpScaler.h"
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
        // The game draws its board through a view with the falling block on it, which counts no
        // revisions, so the board's drawing is worked out afresh each frame: so here too.
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

// The framebuffer route's widening of a converted frame to twice its size, as on a 1600 x 1200
// desktop (a whole factor): every source row widened once, the repeated rows copied.
void BM_PresenterWidening(benchmark::State& state) {
    constexpr int kFactor = 2;
    constexpr int kWidth = kFactor * Platform::kFrameWidth;
    constexpr int kHeight = kFactor * Platform::kFrameHeight;
    std::vector<uint32_t> frame(Platform::kFramePixels, 0xFF123456U);
    std::vector<uint32_t> window(static_cast<size_t>(kWidth) * kHeight);
    Platform::RowScaler scaler;
    scaler.Prepare(Platform::kFrameWidth, kWidth);
    for (auto _ : state) {
        for (int y = 0; y < kHeight; y += kFactor) {
            uint32_t* row = window.data() + static_cast<size_t>(y) * kWidth;
            scaler.Scale(frame.data() + static_cast<size_t>(y / kFactor) * Platform::kFrameWidth,
                         row);
            std::memcpy(row + kWidth, row, kWidth * sizeof(uint32_t));
        }
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PresenterWidening);

// The framebuffer route's sharp bilinear scaling of a whole converted frame to 1024 x 768 (not a
// whole factor): every source row scaled once, every window row blended from two of them.
void BM_PresenterSharpScaling(benchmark::State& state) {
    constexpr int kWidth = 1024;
    constexpr int kHeight = 768;
    std::vector<uint32_t> frame(Platform::kFramePixels);
    for (size_t i = 0; i < frame.size(); ++i) {
        frame[i] = 0xFF000000U | static_cast<uint32_t>(i * 2654435761U >> 8);
    }
    std::vector<uint32_t> scaled(static_cast<size_t>(kWidth) * Platform::kFrameHeight);
    std::vector<uint32_t> window(static_cast<size_t>(kWidth) * kHeight);
    Platform::SharpScaler scaler;
    scaler.Prepare(Platform::kFrameWidth, Platform::kFrameHeight, kWidth, kHeight);
    for (auto _ : state) {
        for (int y = 0; y < Platform::kFrameHeight; ++y) {
            scaler.ScaleRow(frame.data() + static_cast<size_t>(y) * Platform::kFrameWidth,
                            scaled.data() + static_cast<size_t>(y) * kWidth, 0, kWidth);
        }
        for (int y = 0; y < kHeight; ++y) {
            const Platform::SharpScaler::Taps& taps = scaler.RowTaps(y);
            Platform::SharpScaler::BlendRows(
                scaled.data() + static_cast<size_t>(taps.first) * kWidth,
                scaled.data() + static_cast<size_t>(taps.second) * kWidth, taps.weight,
                window.data() + static_cast<size_t>(y) * kWidth, kWidth);
        }
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PresenterSharpScaling);

}  // namespace

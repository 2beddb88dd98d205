// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules' share of a frame: one whole landing (spawn, fit tests, hard drop, place, full rows,
// scoring), repeated over games that restart when the stack reaches the top. Compare its time
// with BM_FrameCopy from the same run.
#include <benchmark/benchmark.h>

#include "game/BlockFactory.h"
#include "game/BoardLayout.h"
#include "game/Movement.h"
#include "game/Random.h"
#include "game/Scoring.h"

namespace {

using namespace Drobix;

void BM_Landing(benchmark::State& state) {
    const BlockOptions options{BlockSet::Crazy, BlockColourMode::Fixed};
    SeedRandom(1);
    Board board(kBoardRows, kBoardColumns);
    ScoreKeeper keeper;
    keeper.Reset(0);
    for (auto _ : state) {
        Block* block = CreateRandomBlock(options);
        BlockPosition position = SpawnPosition(board, *block);
        if (!board.Fits(*block, position.row, position.column)) {
            DestroyAllBlocks();
            board.Clear();
            keeper.Reset(0);
            continue;
        }
        position.column = NextRandom() % 8;
        if (!board.Fits(*block, position.row, position.column)) {
            position = SpawnPosition(board, *block);
        }
        HardDrop(board, *block, position);
        board.Place(*block, position.row, position.column);
        const auto full =
            board.FindFullRows(static_cast<unsigned>(position.row), block->GetRowCount());
        board.RemoveRows(full);
        keeper.ScoreLanding(300, static_cast<unsigned>(full.size()), position.row, position.column);
        keeper.StepPopups(16);
        benchmark::DoNotOptimize(keeper.GetScore());
    }
    DestroyAllBlocks();
}
BENCHMARK(BM_Landing);

}  // namespace

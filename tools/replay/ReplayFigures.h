// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The figures drobix-replay measures rather than reads from the program: start-up and memory.

#include <chrono>
#include <ostream>

namespace Drobix::Replay {

// Notes every sound that start-up decodes; called before the program starts up.
void RecordDecodedSounds();

// Prints "startup MS ms decoding MS ms ratio R": the time from process start to the first
// presented frame, the time that decoding every picture and sound loaded by then takes on its
// own, and the first over the second.
void PrintStartupFigure(std::ostream& out, std::chrono::steady_clock::duration sinceStart);

// Prints "memory rss_kb=N peak_kb=N heap_kb=N": the resident memory now and at its highest, as
// the kernel counts them, and the heap in use.
void PrintMemory(std::ostream& out);

}  // namespace Drobix::Replay

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>

namespace Drobix::Replay {

// "screen=N" and the current screen's figures.
void PrintState(std::ostream& out);
// The playing field, top row first: '.' empty, '#' landed, '@' the falling block.
void PrintBoard(std::ostream& out);
// "shadow row=N column=N" where the game draws the landing shadow, or "shadow none".
void PrintShadow(std::ostream& out);
// "INDEX SCORE NAME", best first.
void PrintHighScores(std::ostream& out);
void PrintSettings(std::ostream& out);
// Every sound start and stop since the last call.
void PrintSounds(std::ostream& out);
// "datafile N bytes" and the bytes in hexadecimal, 16 a line, or "datafile none" when there is
// no file to read.
void PrintDataFile(std::ostream& out);

}  // namespace Drobix::Replay

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Only tests, benchmarks and drobix-replay use this: what the menu backdrop holds.

#include <cstddef>

namespace Drobix {

class Board;

namespace Testing {

// Each is 0 or null while no backdrop is built.
std::size_t GetMenuDecorationCount();
const Board* GetMenuBackgroundBoard();
const Board* GetMenuLogoBoard();
int GetMenuMusicId();

}  // namespace Testing

}  // namespace Drobix

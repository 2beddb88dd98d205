// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix {

constexpr unsigned kBoardRows = 20;
constexpr unsigned kBoardColumns = 10;
// Screen position of the playing field's top-left cell.
constexpr int kBoardLeft = 270;
constexpr int kBoardTop = 40;
// A 25-pixel cell plus a 1-pixel gap.
constexpr int kCellPitch = 26;

}  // namespace Drobix

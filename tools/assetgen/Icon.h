// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

#include "Image.h"

namespace Drobix::AssetGen::Art {

// The sizes of the desktop's icon theme in which the program's icon is made; the window's own
// icon is the 32-pixel one.
constexpr int kDesktopIconSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kWindowIconSize = 32;

// Four shaded cells of different colours filling a square of the given size.
RgbaImage MakeIcon(int size);

// Writes icon-N.png for each desktop icon size N into the folder.
bool WriteDesktopIcons(const std::filesystem::path& folder);

}  // namespace Drobix::AssetGen::Art

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "Asset.h"

namespace Drobix::AssetGen {

// The eight effects and the two menu tracks as Ogg Vorbis, type "OGG".
std::vector<Asset> MakeSounds();

}  // namespace Drobix::AssetGen

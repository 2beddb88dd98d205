// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "Asset.h"

namespace Drobix::AssetGen {

// One PNG showing every picture resource, for a look at the whole set (not committed).
bool WriteContactSheet(const std::vector<Asset>& assets, const std::string& path);

// Zoomed views of the sprite sheet, the fonts and the small pictures. The screens themselves,
// drawn by the game, come from drobix-replay (tools/make-previews.sh).
bool WritePreviews(const std::vector<Asset>& assets, const std::string& folder);

}  // namespace Drobix::AssetGen

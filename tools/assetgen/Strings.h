// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "Asset.h"

namespace Drobix::AssetGen {

// The help text and the credits line, Windows-1252 bytes, type "STRING".
std::vector<Asset> MakeStrings();

// The two texts on their own, for the previews.
std::string HelpText();
std::string CreditsText();

}  // namespace Drobix::AssetGen

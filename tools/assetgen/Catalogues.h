// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace Drobix::AssetGen {

// The translation template: every text of the game's table and of the desktop entry and the
// software centre's description, in gettext's format, the same bytes on every run.
std::string TranslationTemplate();

}  // namespace Drobix::AssetGen

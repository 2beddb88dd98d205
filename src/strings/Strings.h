// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace Drobix {

// A built-in string resource as the screens read it: at most 2047 characters, empty when the
// id has no string.
std::string LoadString(int resourceId);

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Resources.h"

namespace Drobix::Platform {

// The resources lie in the module's linear memory, which never gives pages back.
void ReleaseResourcePages(int /*id*/, std::string_view /*type*/) {}

}  // namespace Drobix::Platform

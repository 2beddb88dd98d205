// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Resources.h"

namespace Drobix::Platform {

// The resources lie in the program's image, whose clean pages Windows trims from the working set
// by itself when memory is short; it offers no call that drops a part of an image sooner.
void ReleaseResourcePages(int /*id*/, std::string_view /*type*/) {}

}  // namespace Drobix::Platform

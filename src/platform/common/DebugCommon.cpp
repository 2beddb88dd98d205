// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Debug.h"

#include <cstdio>

namespace Drobix::Platform {

void DebugOutput(std::string_view line) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}

}  // namespace Drobix::Platform

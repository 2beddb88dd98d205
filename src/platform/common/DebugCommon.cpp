// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Debug.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace Drobix::Platform {

namespace {

constexpr const char* kDebugVariable = "DROBIX_DEBUG";

// Unset until told, then what the environment says is asked for until told otherwise.
std::optional<bool> debugOutputEnabled;

}  // namespace

void EnableDebugOutput(bool enable) {
    debugOutputEnabled = enable;
}

bool IsDebugOutputEnabled() {
    if (!debugOutputEnabled) {
        const char* value = std::getenv(kDebugVariable);
        debugOutputEnabled = value != nullptr && std::string_view(value) == "1";
    }
    return *debugOutputEnabled;
}

void DebugOutput(std::string_view line) {
    if (IsDebugOutputEnabled()) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
    }
}

}  // namespace Drobix::Platform

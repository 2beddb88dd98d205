// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "strings/Strings.h"

#include "platform/Resources.h"

namespace Drobix {

namespace {

// The screens read their texts into a buffer of 2048 characters, the last one the terminator.
constexpr std::size_t kStringBufferSize = 2048;

}  // namespace

std::string LoadString(int resourceId) {
    std::string text = Platform::LoadStringResource(resourceId).value_or(std::string());
    if (text.size() >= kStringBufferSize) {
        text.resize(kStringBufferSize - 1);
    }
    return text;
}

}  // namespace Drobix

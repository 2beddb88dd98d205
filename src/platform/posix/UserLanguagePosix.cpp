// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UserLanguage.h"

namespace Drobix::Platform {

std::optional<std::string> UserInterfaceLanguage() {
    return std::nullopt;
}

}  // namespace Drobix::Platform

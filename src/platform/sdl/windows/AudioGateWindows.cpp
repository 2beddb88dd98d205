// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Audio.h"

namespace Drobix::Platform {

// An open device is heard at once.
bool AudioAwaitsPlayer() {
    return false;
}

}  // namespace Drobix::Platform

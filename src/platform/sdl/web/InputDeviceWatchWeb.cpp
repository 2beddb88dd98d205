// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/InputDeviceWatch.h"

namespace Drobix::Platform::Sdl {

// The browser tells of pads through SDL's own events: nothing to watch besides.
InputDeviceWatch::~InputDeviceWatch() = default;

bool InputDeviceWatch::TakeChanges() {
    const bool first = !started_;
    started_ = true;
    return first;
}

}  // namespace Drobix::Platform::Sdl

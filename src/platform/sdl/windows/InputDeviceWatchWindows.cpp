// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/InputDeviceWatch.h"

namespace Drobix::Platform::Sdl {

// Windows tells of devices through SDL's own events (a pad plugged in arrives as a device event
// from the pump), and the pump runs on every pass there: nothing to watch besides.
InputDeviceWatch::~InputDeviceWatch() = default;

bool InputDeviceWatch::TakeChanges() {
    const bool first = !started_;
    started_ = true;
    return first;
}

}  // namespace Drobix::Platform::Sdl

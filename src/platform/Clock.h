// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The clock. Backends: sdl/ClockSdl.cpp and scripted/ClockScripted.cpp (moves only when told).

#include <cstdint>

namespace Drobix::Platform {

// Milliseconds since an arbitrary start; wraps around after about 49 days.
uint32_t GetTimeMs();
void SleepMs(uint32_t milliseconds);

}  // namespace Drobix::Platform

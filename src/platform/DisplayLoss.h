// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The end of the program when its display goes away (a logout, a display server that crashed or
// restarted, a dropped remote session). Backends: sdl/DisplayLossSdl.cpp and
// scripted/DisplayLossScripted.cpp.

namespace Drobix::Platform {

using EmergencySave = void (*)();

// The status the program ends with when its display is lost.
constexpr int kExitDisplayLost = 1;

// Once the display is lost the program cannot run its shutdown: it writes one line on standard
// error, calls save, and ends at once with kExitDisplayLost, running no destructors.
void SetEmergencySaveHandler(EmergencySave save);

}  // namespace Drobix::Platform

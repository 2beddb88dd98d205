// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Tests only: with DROBIX_TEST_RESET_SIGNAL set to 1, a signal asks for a render-device reset,
// as a driver that lost its device would send, so that the rebuild is tested where no device is
// ever lost. On Linux the signal is SIGUSR1 (posix/TestResetSignalPosix.cpp); Windows has no
// such signal, and nothing is ever asked for there (windows/TestResetSignalWindows.cpp).

namespace Drobix::Platform::Sdl {

// Starts listening when the variable asks for it; later calls do nothing.
void CatchTestResetSignal();

// Whether the signal came since the last call.
bool TakeTestResetSignal();

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix {

// Brings the subsystems up in order and fills the screen table; false at the first failure.
bool InitialiseGame();
// Takes everything down in the same order; harmless after a start-up that failed at any step.
void ShutdownGame();

}  // namespace Drobix

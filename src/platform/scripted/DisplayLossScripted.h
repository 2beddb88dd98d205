// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix::Platform::Scripted {

// The display goes away: the emergency save runs as it would before the real program ends. The
// caller carries on, since a test cannot end the process.
void LoseDisplay();

}  // namespace Drobix::Platform::Scripted

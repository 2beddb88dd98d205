// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Drobix::Platform::Scripted {

// The scripted clock moves only when told; sleeping advances it too.
void SetTimeMs(uint32_t now);
void AdvanceTimeMs(uint32_t milliseconds);

}  // namespace Drobix::Platform::Scripted

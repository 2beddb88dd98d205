// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Only tests, benchmarks and drobix-replay use this: sources of their own making for the DirectX
// check. Implemented with DirectXInfo.h in common/DirectXInfoCommon.cpp.

#include "platform/DirectXInfo.h"

namespace Drobix::Platform::Testing {

// Null restores the platform's own source.
void SetDirectXInfoSource(const DirectXInfoSource* source);

}  // namespace Drobix::Platform::Testing

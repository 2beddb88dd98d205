// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Only tests, benchmarks and drobix-replay use this: the size of the live-block registry.

#include <cstddef>

namespace Drobix::Testing {

size_t LiveBlockCount();

}  // namespace Drobix::Testing

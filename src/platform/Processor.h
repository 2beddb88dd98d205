// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the processor offers beyond the baseline the program is built for. One implementation
// for both backends: common/ProcessorCommon.cpp.

namespace Drobix::Platform {

// Whether the loops built for AVX2 (256-bit vectors) run: where the processor has it, unless
// the portable loops were asked for. The one place that decides; the processor is asked once.
bool UseAvx2();

// True runs the portable loops only, so that tests cover them on a processor with AVX2 as well;
// false goes back to what the processor offers.
void SetPortableCodeOnly(bool portable);

}  // namespace Drobix::Platform

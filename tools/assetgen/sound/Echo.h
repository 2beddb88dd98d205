// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AudioBuffer.h"

namespace Drobix::AssetGen {

// A feedback echo with different delays left and right, for a sense of space. On a looping
// buffer the echoes of the end carry on at the start, as they would when the loop plays on.
struct Echo {
    double leftSeconds = 0.3;
    double rightSeconds = 0.45;
    double feedback = 0.35;
    double mix = 0.25;
};

void ApplyEcho(AudioBuffer& buffer, const Echo& echo);

}  // namespace Drobix::AssetGen

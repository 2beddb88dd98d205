// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix::AssetGen {

// Attack, decay, sustain and release, times in seconds. The ramps are short but never zero, so
// notes start and end without a click.
struct Envelope {
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.05;

    // The level (0..1) at time t after the note began, for a note released at noteLength.
    double Level(double t, double noteLength) const;
};

}  // namespace Drobix::AssetGen

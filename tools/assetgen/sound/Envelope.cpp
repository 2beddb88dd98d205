// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Envelope.h"

#include <algorithm>

namespace Drobix::AssetGen {

namespace {

double HeldLevel(const Envelope& envelope, double t) {
    if (t < envelope.attack) {
        return t / envelope.attack;
    }
    const double intoDecay = t - envelope.attack;
    if (intoDecay < envelope.decay) {
        return 1.0 - (1.0 - envelope.sustain) * intoDecay / envelope.decay;
    }
    return envelope.sustain;
}

}  // namespace

double Envelope::Level(double t, double noteLength) const {
    if (t < 0.0) {
        return 0.0;
    }
    if (t < noteLength) {
        return HeldLevel(*this, t);
    }
    const double released = t - noteLength;
    if (released >= release) {
        return 0.0;
    }
    return HeldLevel(*this, noteLength) * std::max(0.0, 1.0 - released / release);
}

}  // namespace Drobix::AssetGen

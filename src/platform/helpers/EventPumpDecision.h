// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Drobix::Platform {

// Decides, pass by pass, whether SDL's event pump runs. The pump is a dozen system calls and
// much of SDL, a tenth of a frame's processor time on an X server, for nothing on most passes:
// where the window system's connection can be watched, the pump runs only when something may be
// waiting for it.
class EventPumpDecision {
public:
    // After the server sent something the pump runs on every pass for this long: SDL tells of a
    // lost focus a fifth of a second after the server does, and an input method's reply to a
    // key comes over D-Bus, not the server's connection, a moment after the key.
    static constexpr uint64_t kPumpAfterInputMs = 500;
    // And at least this often regardless, for what SDL does on time alone (holding off the
    // screensaver, among others).
    static constexpr uint64_t kTimedPumpMs = 1000;

    // What is known on one pass.
    struct Pass {
        uint64_t nowMs = 0;
        // The window system's connection can be watched (an X server); where it cannot, the
        // pump runs on every pass.
        bool serverWatched = false;
        // The server sent something not yet read.
        bool serverSentSomething = false;
        // A pad is open: pads are read by the pump.
        bool padOpen = false;
        // An input device appeared or went since the last pass (a pad plugged in).
        bool devicesChanged = false;
        // The window has the focus; without it the program only sleeps between passes, and the
        // pump runs on each one, so that the focus coming back is seen at once.
        bool focused = true;
    };

    bool ShouldPump(const Pass& pass);

private:
    bool Pump(uint64_t nowMs);

    bool pumped_ = false;
    uint64_t lastPumpMs_ = 0;
    uint64_t pumpUntilMs_ = 0;
};

}  // namespace Drobix::Platform

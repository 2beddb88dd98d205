// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix::Platform::Sdl {

// Tells, without waiting, whether input devices appeared or went (a pad plugged in or pulled
// out), so that SDL's event pump, which finds new pads, need not run on every pass to see one at
// once: on Linux an inotify watch on the device folder (posix/InputDeviceWatchPosix.cpp); on
// Windows SDL's own device events (windows/InputDeviceWatchWindows.cpp).
class InputDeviceWatch {
public:
    InputDeviceWatch() = default;
    InputDeviceWatch(const InputDeviceWatch&) = delete;
    InputDeviceWatch& operator=(const InputDeviceWatch&) = delete;
    // NOLINTNEXTLINE(performance-trivially-destructible): on Linux it closes the watch.
    ~InputDeviceWatch();

    // Whether the devices changed since the last call; true on the first call. Where the folder
    // cannot be watched, false after that: new pads are then found by the pump's timed runs.
    bool TakeChanges();

private:
    // The inotify descriptor (Linux).
    [[maybe_unused]] int descriptor_ = -1;
    bool started_ = false;
};

}  // namespace Drobix::Platform::Sdl

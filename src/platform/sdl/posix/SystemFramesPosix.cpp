// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <chrono>
#include <thread>

#include "platform/sdl/SystemFrames.h"

namespace Drobix::Platform::Sdl {

std::unique_ptr<FrameRoute> SystemFrameRoute(SDL_Window* /*window*/, std::string& /*why*/) {
    return nullptr;
}

WindowMode SettableWindowMode(WindowMode wanted) {
    return wanted;
}

void PacerSleepNs(uint64_t duration) {
    std::this_thread::sleep_for(std::chrono::nanoseconds(duration));
}

}  // namespace Drobix::Platform::Sdl

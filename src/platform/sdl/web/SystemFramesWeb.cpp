// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten.h>

#include "platform/sdl/SystemFrames.h"
#include "platform/sdl/web/CanvasRoute.h"

namespace Drobix::Platform::Sdl {

namespace {

constexpr uint64_t kNsPerMs = 1000000;

}  // namespace

std::unique_ptr<FrameRoute> SystemFrameRoute(SDL_Window* /*window*/, std::string& why) {
    why = "the browser shows the page's canvas";
    return std::make_unique<CanvasRoute>();
}

// A browser goes full screen only while it handles the player's key press: the page does that
// itself (F11, Alt+Enter), around the canvas, which the game keeps filling as a window.
WindowMode SettableWindowMode(WindowMode /*wanted*/) {
    return WindowMode::Window;
}

// A page that does not give way to the browser shows nothing and takes no keys.
void PacerSleepNs(uint64_t duration) {
    emscripten_sleep(static_cast<unsigned int>((duration + kNsPerMs / 2) / kNsPerMs));
}

}  // namespace Drobix::Platform::Sdl

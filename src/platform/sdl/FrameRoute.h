// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

#include "platform/Presenter.h"
#include "platform/helpers/FramePacer.h"

namespace Drobix::Platform::Sdl {

// One way for frames to reach the window: made for a window, it presents each frame, given with
// the spans that changed since the one before, scaled into whatever the window system gives.
class FrameRoute {
public:
    virtual ~FrameRoute() = default;

    virtual void Present(const uint16_t* frame, const ChangedSpans& changed) = 0;
    // The window's pixels were shown afresh or resized: the next present draws all of it.
    virtual void WindowChanged() = 0;
    // The next present draws the whole frame, as if none had been presented before.
    virtual void ForgetPresentedFrame() = 0;
    // The rendering device or its targets were reset: what the route keeps there is made again
    // and the next present draws the whole frame.
    virtual void DeviceReset() = 0;
    // Whether a present blocks until the display's refresh.
    virtual PresentSync GetPresentSync() const = 0;
    // The window's pixels the last present drew into (0 x 0 before the first): the window's
    // size on the display, which is larger than its size in the window system's units on a
    // high-density output.
    virtual SDL_Point DrawnSize() const = 0;
    // What the route is, in a few words, for --verbose.
    virtual std::string Describe() const = 0;
};

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
    // The rendering device or its targets were reset: what the route keeps there is made again.
    virtual void DeviceReset() = 0;
    // Whether a present blocks until the display's refresh.
    virtual PresentSync GetPresentSync() const = 0;
    // What the route is, in a few words, for --verbose.
    virtual std::string Describe() const = 0;
};

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/helpers/SharpScaler.h"
#include "platform/sdl/FrameRoute.h"

namespace Drobix::Platform::Sdl {

// The page's canvas, in the browser. Its pixels are the device's own (its size on the page times
// the device's pixel ratio), so the frame is scaled by our own sharp scaler as on the desktop,
// to the largest size that fits with its aspect kept, black bars beside it. Each present then
// gives way to the browser until its next animation frame, when the canvas is shown: a present
// waits for the display's refresh, as under vertical sync, and the browser paces the game.
class CanvasRoute : public FrameRoute {
public:
    CanvasRoute() = default;
    CanvasRoute(const CanvasRoute&) = delete;
    CanvasRoute& operator=(const CanvasRoute&) = delete;
    // The game has closed its window (the player left it): the page says so, as a page cannot
    // close its own tab.
    ~CanvasRoute() override;

    void Present(const uint16_t* frame, const ChangedSpans& changed) override;
    void WindowChanged() override { redraw_ = true; }
    void ForgetPresentedFrame() override { redraw_ = true; }
    void DeviceReset() override { redraw_ = true; }
    PresentSync GetPresentSync() const override { return PresentSync::WaitsForRefresh; }
    SDL_Point DrawnSize() const override { return {width_, height_}; }
    std::string Describe() const override { return "the page's canvas"; }

private:
    void Prepare(int width, int height);
    void Draw(const uint16_t* frame);
    // The frame's row, scaled to the area's width (kept from the last call where it is the same).
    const uint32_t* ScaledRow(int sourceY, int slot);

    int width_ = 0;
    int height_ = 0;
    SDL_Rect area_{};
    bool redraw_ = true;
    SharpScaler scaler_;
    // The frame as 0xAARRGGBB pixels.
    std::vector<uint32_t> source_;
    // Two frame rows scaled to the area's width, and which rows they are.
    std::vector<uint32_t> scaledRows_[2];
    int scaledRowSources_[2] = {-1, -1};
    std::vector<uint32_t> blended_;
    // The canvas's pixels, as its picture data takes them: bytes R, G, B, A.
    std::vector<uint32_t> canvas_;
};

}  // namespace Drobix::Platform::Sdl

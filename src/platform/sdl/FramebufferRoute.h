// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <SDL.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "platform/helpers/FrameChanges.h"
#include "platform/helpers/RowScaler.h"
#include "platform/helpers/SharpScaler.h"
#include "platform/sdl/FrameRoute.h"
#include "platform/sdl/RendererCanvas.h"
#include "platform/sdl/X11Window.h"

namespace Drobix::Platform::Sdl {

// Frames scaled by our own code straight into the window's pixels: where OpenGL would only be
// emulated on the processor, a fraction of the cost of an emulated renderer. Only what changed
// is drawn and sent. On an X server the pixels go to the server by an X11Window of our own
// (nothing waits for the server); on Wayland through a RendererCanvas at the window's real size
// in pixels; elsewhere through SDL's window surface. The window's pixels
// may be in any format: 0x00RRGGBB words are drawn into directly, an unscaled frame is copied
// as it is into RGB565, and everything else is drawn into a staging surface that SDL's blitter
// converts.
class FramebufferRoute : public FrameRoute {
public:
    // Where the window is, which decides how its pixels travel.
    enum class WindowSystem {
        // By our own sender to the X server, in memory shared with it where allowed.
        X11,
        // Through a renderer of our own, at the window's real size in pixels.
        Wayland,
        // Through SDL's window surface.
        Other,
    };
    FramebufferRoute(SDL_Window* window, WindowSystem system, bool shareMemory);
    FramebufferRoute(const FramebufferRoute&) = delete;
    FramebufferRoute& operator=(const FramebufferRoute&) = delete;
    ~FramebufferRoute() override;

    void Present(const uint16_t* frame, const ChangedSpans& changed) override;
    void WindowChanged() override { repaintWholeWindow_ = true; }
    void ForgetPresentedFrame() override;
    // Nothing of this route is kept on a rendering device: the next frame is drawn whole.
    void DeviceReset() override { ForgetPresentedFrame(); }
    PresentSync GetPresentSync() const override { return PresentSync::Immediate; }
    SDL_Point DrawnSize() const override { return {scaledWidth_, scaledHeight_}; }
    std::string Describe() const override;

    // The window's pixels (null when it has none now) and where in them the frame is shown.
    SDL_Surface* WindowPixels();
    SDL_Rect GetScaledArea() const { return scaledArea_; }
    // Our own sender to the X server, when the window is on one.
    const X11Window* GetX11Window() const {
        return x11Window_.IsAttached() ? &x11Window_ : nullptr;
    }
    X11Window* GetX11Window() { return x11Window_.IsAttached() ? &x11Window_ : nullptr; }

private:
    SDL_Surface* DrawingSurface(SDL_Surface* window);
    void FreeStaging();
    bool TakeWholeWindowRepaint(SDL_Surface* window, SDL_Surface* drawing);
    void PrepareScaling(SDL_Surface* window, SDL_Surface* drawing);
    void DrawScaled(const uint16_t* frame, SDL_Surface* surface);
    void CopyUnscaled(const uint16_t* frame, SDL_Surface* surface);
    const uint32_t* ScaledFrameRow(const uint16_t* frame, int sourceY);
    void PresentRow(const uint16_t* frame, int y, uint32_t* target);
    void AddChangedRow(int y, int left, int width);
    void ConvertStaged(SDL_Surface* window, bool wholeWindow);
    void SendToWindow(SDL_Surface* window, bool wholeWindow);

    SDL_Window* window_;
    X11Window x11Window_;
    RendererCanvas canvas_;
    // The scaling as made for this window surface and size.
    SDL_Surface* scaledFor_ = nullptr;
    int scaledWidth_ = 0;
    int scaledHeight_ = 0;
    SDL_Rect scaledArea_{};
    // Whole factors copy pixels (quickly, by RowScaler); other factors scale sharp bilinear.
    bool wholeFactor_ = false;
    RowScaler rowScaler_;
    SharpScaler sharpScaler_;
    std::vector<uint32_t> convertedRow_;
    // The last two frame rows scaled to the window's width in this present, by frame row and
    // the window columns scaled.
    std::array<int, 2> cachedSource_{-1, -1};
    std::array<std::pair<int, int>, 2> cachedColumns_;
    std::array<std::vector<uint32_t>, 2> cachedRow_;
    // The slot of the row returned last; a row scaled anew goes into the other.
    int lastUsedSlot_ = 1;
    // The window columns of the scaled area that the row being presented redraws, [first, last).
    std::pair<int, int> redrawnColumns_;
    FrameChanges frameChanges_;
    std::vector<SDL_Rect> changedRects_;
    // Where the window takes pixels other than 0x00RRGGBB words and the frame is scaled: the
    // frame is scaled into this surface of the window's size, and SDL's blitter converts the
    // changed rectangles into the window's format.
    SDL_Surface* staging_ = nullptr;
    bool repaintWholeWindow_ = true;
    int presentsSinceFullRepaint_ = 0;
};

}  // namespace Drobix::Platform::Sdl

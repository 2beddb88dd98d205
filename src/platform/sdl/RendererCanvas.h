// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <SDL.h>

#include <span>
#include <string>

namespace Drobix::Platform::Sdl {

// A window's pixels where the window system has no framebuffer for SDL (Wayland): a picture of
// the window's real size in pixels, in memory of our own, shown through a streaming texture of
// a renderer of our own. SDL's own window surface there is as large as the window in the
// compositor's units, which an output of high density then magnifies, blurred; and it sends the
// whole window every frame, where this sends only the rectangles that changed.
class RendererCanvas {
public:
    RendererCanvas() = default;
    RendererCanvas(const RendererCanvas&) = delete;
    RendererCanvas& operator=(const RendererCanvas&) = delete;
    ~RendererCanvas();

    // True when a renderer for the window could be made (an accelerated one, as SDL's own
    // window surface would take); false leaves the canvas detached.
    bool Attach(SDL_Window* window);
    void Detach();
    bool IsAttached() const { return renderer_ != nullptr; }

    // The pixels (0x00RRGGBB words) to draw the window's next frame into, width x height, kept
    // from frame to frame; made afresh, and so to be drawn whole, when the size changes. Null
    // when not attached or when no texture of that size can be had.
    SDL_Surface* Pixels(int width, int height);
    // Shows the window with the rectangles of the pixels brought up to date.
    void Put(std::span<const SDL_Rect> rects);
    // The renderer's name, for --verbose.
    std::string RendererName() const;

private:
    void FreePixels();

    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_Surface* pixels_ = nullptr;
};

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace Drobix::Platform::Sdl {

// Sends a window's pixels to the X server on SDL's own connection. SDL's window surface waits
// for the server after every frame (a round trip, and a wake of the program, per frame); here
// nothing waits. Where the server shares memory with us (MIT-SHM, a local server), the pixels
// live in a shared segment and only the rectangles to show travel; elsewhere the pixels are
// copied into the connection (XPutImage). Nothing waits for the server to have read a shared
// rectangle before the next frame is drawn: the segment always holds the newest frame, and each
// rectangle is sent after its pixels were drawn, so a server that reads one late shows newer
// pixels there, which the next frame's rectangles show anyway. It may show one refresh torn, as
// any display without vertical sync does, and never keeps a wrong picture.
class X11Window {
public:
    X11Window();
    X11Window(const X11Window&) = delete;
    X11Window& operator=(const X11Window&) = delete;
    ~X11Window();

    // True when the window is an X11 window on a true-colour visual that SDL has a pixel format
    // for (16-bit 5-6-5, 24/32-bit, 30-bit 2-10-10-10 among them); false otherwise (then SDL's
    // window surface is the way). Memory is shared with the server where it can be, unless told
    // not to.
    bool Attach(SDL_Window* window, bool mayShareMemory = true);
    void Detach();
    bool IsAttached() const { return connection_ != nullptr; }

    // The pixels (in the visual's own format) to draw the window's next frame into, width x
    // height, kept from
    // frame to frame; made afresh, and so to be drawn whole, when the size changes. Null when
    // not attached or out of memory.
    SDL_Surface* Pixels(int width, int height);
    // Sends the rectangles of the pixels to the same places of the window.
    void Put(std::span<const SDL_Rect> rects);
    // Whether the server sent anything that is still to be read, as events or on the connection.
    bool HasInput() const;
    // Whether the pixels are shared with the server (for tests).
    bool SharesMemory() const;

    // The window's pixels as the server holds them, as 0x00RRGGBB by rows, each channel widened
    // or narrowed to 8 bits (none when not attached
    // or the server will not tell): for tests.
    std::vector<uint32_t> ReadBack(int width, int height) const;

private:
    // Xlib's part, kept out of this header so that its macros stay out of the files using it.
    struct Connection;

    std::unique_ptr<Connection> connection_;
};

}  // namespace Drobix::Platform::Sdl

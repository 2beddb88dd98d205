#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace Drobix::Platform::Sdl {

// Sends a window's pixels to the X server with XPutImage on SDL's own connection. SDL's window
// surface does the same through shared memory but waits for the server after every frame (a
// round trip, and a wake of the program, per frame); XPutImage copies the pixels into the
// connection, so nothing has to wait for the server to have read them.
class X11Window {
public:
    X11Window();
    X11Window(const X11Window&) = delete;
    X11Window& operator=(const X11Window&) = delete;
    ~X11Window();

    // True when the window is an X11 window whose visual takes 0x00RRGGBB pixels as they are;
    // false otherwise (then SDL's window surface is the way).
    bool Attach(SDL_Window* window);
    void Detach();
    bool IsAttached() const { return connection_ != nullptr; }

    // Sends the rectangles of pixels (0x00RRGGBB, the window's size) to the same places of the
    // window.
    void Put(SDL_Surface* pixels, std::span<const SDL_Rect> rects);

    // The window's pixels as the server holds them, 0x00RRGGBB by rows (none when not attached
    // or the server will not tell): for tests.
    std::vector<uint32_t> ReadBack(int width, int height) const;

private:
    // Xlib's part, kept out of this header so that its macros stay out of the files using it.
    struct Connection;

    std::unique_ptr<Connection> connection_;
};

}  // namespace Drobix::Platform::Sdl

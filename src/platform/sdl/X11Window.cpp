// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/X11Window.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdint>

namespace Drobix::Platform::Sdl {

namespace {

constexpr unsigned long kRedMask = 0x00FF0000UL;
constexpr unsigned long kGreenMask = 0x0000FF00UL;
constexpr unsigned long kBlueMask = 0x000000FFUL;
constexpr unsigned long kColourBits = 0x00FFFFFFUL;
constexpr int kPixelBits = 32;
constexpr int kSharedMode = 0600;

// Set when the server refuses a shared segment (a remote server, one without access to it):
// the refusal comes back as an X error, which Xlib hands to the process's error handler.
bool sharingRefused = false;

int NoteSharingRefused(Display* /*display*/, XErrorEvent* /*error*/) {
    sharingRefused = true;
    return 0;
}

}  // namespace

struct X11Window::Connection {
    Display* display = nullptr;
    Window window = 0;
    GC gc = nullptr;
    Visual* visual = nullptr;
    int depth = 0;
    // Whether to try a shared segment for the next pixels; cleared once the server refuses one.
    bool mayShare = false;
    SDL_Surface* pixels = nullptr;
    // An image header over the pixels, and the segment they live in when shared.
    XImage* image = nullptr;
    XShmSegmentInfo segment{};
    bool shared = false;

    ~Connection() {
        FreePixels();
        XFreeGC(display, gc);
    }

    void FreePixels() {
        if (shared) {
            // The server lets go of the segment before it goes.
            XShmDetach(display, &segment);
            XSync(display, False);
            shmdt(segment.shmaddr);
        }
        if (image != nullptr) {
            // The pixels are the surface's or the segment's, not the image's to free.
            image->data = nullptr;
            XDestroyImage(image);
        }
        SDL_FreeSurface(pixels);
        image = nullptr;
        pixels = nullptr;
        shared = false;
    }

    // A segment of width x height pixels that the server has attached, with an image over it.
    bool MakeSharedPixels(int width, int height) {
        image =
            XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr,
                            &segment, static_cast<unsigned>(width), static_cast<unsigned>(height));
        if (image == nullptr || image->bits_per_pixel != kPixelBits) {
            return false;
        }
        const auto bytes = static_cast<size_t>(image->bytes_per_line) * static_cast<size_t>(height);
        segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | kSharedMode);
        if (segment.shmid < 0) {
            return false;
        }
        void* address = shmat(segment.shmid, nullptr, 0);
        // Removed at once: the segment lasts while we and the server have it attached.
        shmctl(segment.shmid, IPC_RMID, nullptr);
        // shmat says it failed with the address -1.
        if (reinterpret_cast<std::intptr_t>(address) == -1) {
            return false;
        }
        segment.shmaddr = static_cast<char*>(address);
        image->data = segment.shmaddr;
        segment.readOnly = False;
        sharingRefused = false;
        XErrorHandler previous = XSetErrorHandler(NoteSharingRefused);
        const bool attached = XShmAttach(display, &segment) != 0;
        XSync(display, False);
        XSetErrorHandler(previous);
        if (!attached || sharingRefused) {
            shmdt(segment.shmaddr);
            return false;
        }
        shared = true;
        pixels =
            SDL_CreateRGBSurfaceWithFormatFrom(image->data, width, height, kPixelBits,
                                               image->bytes_per_line, SDL_PIXELFORMAT_XRGB8888);
        return pixels != nullptr;
    }

    // Pixels of our own, copied into the connection when sent.
    bool MakeOwnPixels(int width, int height) {
        pixels =
            SDL_CreateRGBSurfaceWithFormat(0, width, height, kPixelBits, SDL_PIXELFORMAT_XRGB8888);
        if (pixels == nullptr) {
            return false;
        }
        image = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0,
                             static_cast<char*>(pixels->pixels), static_cast<unsigned>(width),
                             static_cast<unsigned>(height), kPixelBits, pixels->pitch);
        if (image != nullptr) {
            // The pixels are words in this processor's byte order; Xlib swaps them if the
            // server's differs.
            image->byte_order = SDL_BYTEORDER == SDL_LIL_ENDIAN ? LSBFirst : MSBFirst;
        }
        return image != nullptr;
    }

    void MakePixels(int width, int height) {
        FreePixels();
        if (width <= 0 || height <= 0) {
            return;
        }
        if (mayShare && MakeSharedPixels(width, height)) {
            return;
        }
        FreePixels();
        mayShare = false;
        if (!MakeOwnPixels(width, height)) {
            FreePixels();
        }
    }
};

X11Window::X11Window() = default;

X11Window::~X11Window() = default;

bool X11Window::Attach(SDL_Window* window, bool mayShareMemory) {
    Detach();
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    Display* display = info.info.x11.display;
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, info.info.x11.window, &attributes) == 0 ||
        attributes.visual == nullptr) {
        return false;
    }
    const Visual* visual = attributes.visual;
    const bool takesOurPixels = (attributes.depth == 24 || attributes.depth == 32) &&
                                visual->red_mask == kRedMask && visual->green_mask == kGreenMask &&
                                visual->blue_mask == kBlueMask;
    if (!takesOurPixels) {
        return false;
    }
    GC gc = XCreateGC(display, info.info.x11.window, 0, nullptr);
    if (gc == nullptr) {
        return false;
    }
    connection_ = std::make_unique<Connection>();
    connection_->display = display;
    connection_->window = info.info.x11.window;
    connection_->gc = gc;
    connection_->visual = attributes.visual;
    connection_->depth = attributes.depth;
    connection_->mayShare = mayShareMemory && XShmQueryExtension(display) != 0;
    return true;
}

void X11Window::Detach() {
    connection_.reset();
}

SDL_Surface* X11Window::Pixels(int width, int height) {
    if (connection_ == nullptr) {
        return nullptr;
    }
    const SDL_Surface* pixels = connection_->pixels;
    if (pixels == nullptr || pixels->w != width || pixels->h != height) {
        connection_->MakePixels(width, height);
    }
    return connection_->pixels;
}

void X11Window::Put(std::span<const SDL_Rect> rects) {
    if (connection_ == nullptr || connection_->image == nullptr || rects.empty()) {
        return;
    }
    Connection& connection = *connection_;
    for (const SDL_Rect& rect : rects) {
        const auto width = static_cast<unsigned>(rect.w);
        const auto height = static_cast<unsigned>(rect.h);
        if (connection.shared) {
            XShmPutImage(connection.display, connection.window, connection.gc, connection.image,
                         rect.x, rect.y, rect.x, rect.y, width, height, False);
        } else {
            XPutImage(connection.display, connection.window, connection.gc, connection.image,
                      rect.x, rect.y, rect.x, rect.y, width, height);
        }
    }
    XFlush(connection.display);
}

bool X11Window::HasInput() const {
    if (connection_ == nullptr) {
        return false;
    }
    // Xlib moves whatever it reads from the connection into its queue, so what is neither there
    // nor waiting on the connection has not come.
    Display* display = connection_->display;
    if (XEventsQueued(display, QueuedAlready) > 0) {
        return true;
    }
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    return poll(&connection, 1, 0) != 0;
}

bool X11Window::SharesMemory() const {
    return connection_ != nullptr && connection_->shared;
}

std::vector<uint32_t> X11Window::ReadBack(int width, int height) const {
    std::vector<uint32_t> pixels;
    if (connection_ == nullptr || width <= 0 || height <= 0) {
        return pixels;
    }
    XSync(connection_->display, False);
    XImage* image =
        XGetImage(connection_->display, connection_->window, 0, 0, static_cast<unsigned>(width),
                  static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return pixels;
    }
    pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                static_cast<uint32_t>(XGetPixel(image, x, y) & kColourBits);
        }
    }
    XDestroyImage(image);
    return pixels;
}

}  // namespace Drobix::Platform::Sdl

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

constexpr int kSharedMode = 0600;
constexpr int kChannelBits = 8;
constexpr int kChannelMax = 255;

// Set when the server refuses a shared segment (a remote server, one without access to it):
// the refusal comes back as an X error, which Xlib hands to the process's error handler.
bool sharingRefused = false;

int NoteSharingRefused(Display* /*display*/, XErrorEvent* /*error*/) {
    sharingRefused = true;
    return 0;
}

// The SDL format of pixels as a visual of this depth takes them in images of bitsPerPixel;
// unknown for visuals without masks (colour maps) or with masks SDL has no format for. A
// 30-bit visual (direct colour on some servers) leaves the top two bits of its words alone, so
// the format with alpha there serves.
uint32_t PixelFormatOf(const Visual& visual, int depth, int bitsPerPixel) {
    if (visual.c_class != TrueColor && visual.c_class != DirectColor) {
        return SDL_PIXELFORMAT_UNKNOWN;
    }
    const auto red = static_cast<uint32_t>(visual.red_mask);
    const auto green = static_cast<uint32_t>(visual.green_mask);
    const auto blue = static_cast<uint32_t>(visual.blue_mask);
    if (depth == 30 && bitsPerPixel == 32 && red == 0x3FF00000U && green == 0x000FFC00U &&
        blue == 0x000003FFU) {
        return SDL_PIXELFORMAT_ARGB2101010;
    }
    return SDL_MasksToPixelFormatEnum(bitsPerPixel, red, green, blue, 0);
}

// The bits per pixel of the server's images at a depth (0 when it has none).
int BitsPerPixelAt(Display* display, int depth) {
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    int bits = 0;
    for (int i = 0; i < count; ++i) {
        if (formats[i].depth == depth) {
            bits = formats[i].bits_per_pixel;
        }
    }
    if (formats != nullptr) {
        XFree(formats);
    }
    return bits;
}

// One channel of a pixel, widened or narrowed to 8 bits.
uint32_t ChannelOf(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0) {
        ++shift;
    }
    const unsigned long maximum = mask >> shift;
    const unsigned long value = (pixel & mask) >> shift;
    return static_cast<uint32_t>((value * kChannelMax + maximum / 2) / maximum);
}

}  // namespace

struct X11Window::Connection {
    Display* display = nullptr;
    Window window = 0;
    GC gc = nullptr;
    Visual* visual = nullptr;
    int depth = 0;
    int bitsPerPixel = 0;
    uint32_t format = SDL_PIXELFORMAT_UNKNOWN;
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
        if (image == nullptr || image->bits_per_pixel != bitsPerPixel) {
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
        pixels = SDL_CreateRGBSurfaceWithFormatFrom(image->data, width, height, bitsPerPixel,
                                                    image->bytes_per_line, format);
        return pixels != nullptr;
    }

    // Pixels of our own, copied into the connection when sent.
    bool MakeOwnPixels(int width, int height) {
        pixels = SDL_CreateRGBSurfaceWithFormat(0, width, height, bitsPerPixel, format);
        if (pixels == nullptr) {
            return false;
        }
        image = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0,
                             static_cast<char*>(pixels->pixels), static_cast<unsigned>(width),
                             static_cast<unsigned>(height), bitsPerPixel, pixels->pitch);
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
    const int bitsPerPixel = BitsPerPixelAt(display, attributes.depth);
    const uint32_t format = PixelFormatOf(*attributes.visual, attributes.depth, bitsPerPixel);
    if (format == SDL_PIXELFORMAT_UNKNOWN || SDL_BITSPERPIXEL(format) == 0) {
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
    connection_->bitsPerPixel = bitsPerPixel;
    connection_->format = format;
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
            const unsigned long pixel = XGetPixel(image, x, y);
            const Visual& visual = *connection_->visual;
            pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                ChannelOf(pixel, visual.red_mask) << (2 * kChannelBits) |
                ChannelOf(pixel, visual.green_mask) << kChannelBits |
                ChannelOf(pixel, visual.blue_mask);
        }
    }
    XDestroyImage(image);
    return pixels;
}

}  // namespace Drobix::Platform::Sdl

#include "platform/sdl/X11Window.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace Drobix::Platform::Sdl {

namespace {

constexpr unsigned long kRedMask = 0x00FF0000UL;
constexpr unsigned long kGreenMask = 0x0000FF00UL;
constexpr unsigned long kBlueMask = 0x000000FFUL;
constexpr unsigned long kColourBits = 0x00FFFFFFUL;
constexpr int kPixelBits = 32;

}  // namespace

struct X11Window::Connection {
    Display* display = nullptr;
    Window window = 0;
    GC gc = nullptr;
    Visual* visual = nullptr;
    int depth = 0;
    // An image header over the pixels last sent, kept while they stay the same.
    XImage* image = nullptr;
    SDL_Surface* imageOf = nullptr;

    ~Connection() {
        ForgetImage();
        XFreeGC(display, gc);
    }

    void ForgetImage() {
        if (image != nullptr) {
            // The pixels are the surface's, not the image's to free.
            image->data = nullptr;
            XDestroyImage(image);
        }
        image = nullptr;
        imageOf = nullptr;
    }

    // An image header over the surface's pixels, made again when they moved or changed size.
    XImage* ImageOf(SDL_Surface* pixels) {
        if (image != nullptr && imageOf == pixels && image->data == pixels->pixels &&
            image->width == pixels->w && image->height == pixels->h &&
            image->bytes_per_line == pixels->pitch) {
            return image;
        }
        ForgetImage();
        image = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0,
                             static_cast<char*>(pixels->pixels), static_cast<unsigned>(pixels->w),
                             static_cast<unsigned>(pixels->h), kPixelBits, pixels->pitch);
        if (image != nullptr) {
            // The pixels are words in this processor's byte order; Xlib swaps them if the
            // server's differs.
            image->byte_order = SDL_BYTEORDER == SDL_LIL_ENDIAN ? LSBFirst : MSBFirst;
            imageOf = pixels;
        }
        return image;
    }
};

X11Window::X11Window() = default;

X11Window::~X11Window() = default;

bool X11Window::Attach(SDL_Window* window) {
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
    return true;
}

void X11Window::Detach() {
    connection_.reset();
}

void X11Window::Put(SDL_Surface* pixels, std::span<const SDL_Rect> rects) {
    if (connection_ == nullptr || pixels == nullptr || rects.empty()) {
        return;
    }
    XImage* image = connection_->ImageOf(pixels);
    if (image == nullptr) {
        return;
    }
    for (const SDL_Rect& rect : rects) {
        XPutImage(connection_->display, connection_->window, connection_->gc, image, rect.x, rect.y,
                  rect.x, rect.y, static_cast<unsigned>(rect.w), static_cast<unsigned>(rect.h));
    }
    XFlush(connection_->display);
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

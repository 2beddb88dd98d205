#include "platform/sdl/X11Window.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace Drobix::Platform::Sdl {

namespace {

constexpr unsigned long kRedMask = 0x00FF0000UL;
constexpr unsigned long kGreenMask = 0x0000FF00UL;
constexpr unsigned long kBlueMask = 0x000000FFUL;
constexpr int kPixelBits = 32;

}  // namespace

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
    gc_ = XCreateGC(display, info.info.x11.window, 0, nullptr);
    if (gc_ == nullptr) {
        return false;
    }
    display_ = display;
    window_ = info.info.x11.window;
    visual_ = attributes.visual;
    depth_ = attributes.depth;
    return true;
}

void X11Window::Detach() {
    ForgetImage();
    if (display_ != nullptr && gc_ != nullptr) {
        XFreeGC(display_, gc_);
    }
    display_ = nullptr;
    gc_ = nullptr;
    window_ = 0;
    visual_ = nullptr;
}

void X11Window::ForgetImage() {
    if (image_ != nullptr) {
        // The pixels are the surface's, not the image's to free.
        image_->data = nullptr;
        XDestroyImage(image_);
    }
    image_ = nullptr;
    imageOf_ = nullptr;
}

void X11Window::Put(SDL_Surface* pixels, std::span<const SDL_Rect> rects) {
    if (display_ == nullptr || pixels == nullptr || rects.empty()) {
        return;
    }
    if (imageOf_ != pixels || image_->data != pixels->pixels || image_->width != pixels->w ||
        image_->height != pixels->h || image_->bytes_per_line != pixels->pitch) {
        ForgetImage();
        image_ = XCreateImage(display_, static_cast<Visual*>(visual_),
                              static_cast<unsigned>(depth_), ZPixmap, 0,
                              static_cast<char*>(pixels->pixels), static_cast<unsigned>(pixels->w),
                              static_cast<unsigned>(pixels->h), kPixelBits, pixels->pitch);
        if (image_ == nullptr) {
            return;
        }
        // The pixels are words in this processor's byte order; Xlib swaps them if the server's
        // differs.
        image_->byte_order = SDL_BYTEORDER == SDL_LIL_ENDIAN ? LSBFirst : MSBFirst;
        imageOf_ = pixels;
    }
    for (const SDL_Rect& rect : rects) {
        XPutImage(display_, window_, gc_, image_, rect.x, rect.y, rect.x, rect.y,
                  static_cast<unsigned>(rect.w), static_cast<unsigned>(rect.h));
    }
    XFlush(display_);
}

std::vector<uint32_t> X11Window::ReadBack(int width, int height) const {
    std::vector<uint32_t> pixels;
    if (display_ == nullptr || width <= 0 || height <= 0) {
        return pixels;
    }
    XSync(display_, False);
    XImage* image = XGetImage(display_, window_, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return pixels;
    }
    pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                static_cast<uint32_t>(XGetPixel(image, x, y) & 0x00FFFFFFUL);
        }
    }
    XDestroyImage(image);
    return pixels;
}

}  // namespace Drobix::Platform::Sdl

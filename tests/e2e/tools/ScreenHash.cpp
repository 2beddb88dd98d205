// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// drobix-screen-hash: prints one number that changes whenever anything on the X server's screen
// changes, so that an end-to-end test can tell a still picture from a moving one; or, with
// --root, the root window's id, to give the focus to; or, with --pixel X Y, the value of the
// screen's pixel there.
//     drobix-screen-hash [--root | --pixel X Y]     (the screen of $DISPLAY)
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr uint64_t kFnvPrime = 1099511628211ULL;
constexpr int kDecimal = 10;

int PrintHash(Display* display, Window root) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        std::fprintf(stderr, "drobix-screen-hash: cannot read the screen\n");
        return 1;
    }
    uint64_t hash = kFnvOffset;
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            hash = (hash ^ XGetPixel(image, x, y)) * kFnvPrime;
        }
    }
    std::printf("%016llx\n", static_cast<unsigned long long>(hash));
    XDestroyImage(image);
    return 0;
}

int PrintPixel(Display* display, Window root, const char* xText, const char* yText) {
    const int x = static_cast<int>(std::strtol(xText, nullptr, kDecimal));
    const int y = static_cast<int>(std::strtol(yText, nullptr, kDecimal));
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        std::fprintf(stderr, "drobix-screen-hash: cannot read the pixel at %d, %d\n", x, y);
        return 1;
    }
    std::printf("%lu\n", XGetPixel(image, 0, 0));
    XDestroyImage(image);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "drobix-screen-hash: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    int status = 0;
    if (argc == 2 && std::strcmp(argv[1], "--root") == 0) {
        std::printf("%lu\n", root);
    } else if (argc == 4 && std::strcmp(argv[1], "--pixel") == 0) {
        status = PrintPixel(display, root, argv[2], argv[3]);
    } else {
        status = PrintHash(display, root);
    }
    XCloseDisplay(display);
    return status;
}

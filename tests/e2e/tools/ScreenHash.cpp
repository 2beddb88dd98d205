// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// drobix-screen-hash: prints one number that changes whenever anything on the X server's screen
// changes, so that an end-to-end test can tell a still picture from a moving one; or, with
// --root, the root window's id, to give the focus to.
//     drobix-screen-hash [--root]     (the screen of $DISPLAY)
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr uint64_t kFnvPrime = 1099511628211ULL;

}  // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "drobix-screen-hash: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    if (argc == 2 && std::strcmp(argv[1], "--root") == 0) {
        std::printf("%lu\n", root);
        XCloseDisplay(display);
        return 0;
    }
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        std::fprintf(stderr, "drobix-screen-hash: cannot read the screen\n");
        XCloseDisplay(display);
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
    XCloseDisplay(display);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// drobix-close-window: asks a window on the X server of $DISPLAY to close, as a window manager's
// close button does: the WM_DELETE_WINDOW message of the WM_PROTOCOLS it takes part in. Nothing
// is destroyed; the program decides what to do.
//     drobix-close-window WINDOW_ID
// WINDOW_ID as xdotool prints it (decimal) or in hexadecimal with 0x. Exit status: 0 sent,
// 1 no display (Xlib's own handler ends it with 1 when there is no such window), 2 bad
// arguments.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kStatusNoWindow = 1;
constexpr int kStatusBadArguments = 2;
constexpr int kAnyBase = 0;
// The format of a client message's data: 32-bit items.
constexpr int kLongItems = 32;

// A window id of our own reading: what strtoul takes whole, never 0.
bool ParseWindow(const char* text, Window& window) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, kAnyBase);
    if (end == text || *end != '\0' || value == 0) {
        return false;
    }
    window = value;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Window window = 0;
    if (argc != 2 || !ParseWindow(argv[1], window)) {
        std::fputs("usage: drobix-close-window WINDOW_ID\n", stderr);
        return kStatusBadArguments;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("drobix-close-window: no display\n", stderr);
        return kStatusNoWindow;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = kLongItems;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}

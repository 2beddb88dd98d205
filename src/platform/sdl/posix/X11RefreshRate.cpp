// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/X11RefreshRate.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace Drobix::Platform::Sdl {

namespace {

// The mode's rate from its timings; 0 for a mode without them.
double ModeRate(const XRRModeInfo& mode) {
    double lines = mode.vTotal;
    if ((mode.modeFlags & RR_DoubleScan) != 0) {
        lines *= 2;
    }
    if ((mode.modeFlags & RR_Interlace) != 0) {
        lines /= 2;
    }
    const double dots = static_cast<double>(mode.hTotal) * lines;
    return dots > 0 ? static_cast<double>(mode.dotClock) / dots : 0.0;
}

double RateOfModeAt(Display* display, Window root, int x, int y) {
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (resources == nullptr) {
        return 0.0;
    }
    double rate = 0.0;
    for (int c = 0; c < resources->ncrtc && rate == 0.0; ++c) {
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, resources->crtcs[c]);
        if (crtc == nullptr) {
            continue;
        }
        const bool under = crtc->mode != None && x >= crtc->x && y >= crtc->y &&
                           x < crtc->x + static_cast<int>(crtc->width) &&
                           y < crtc->y + static_cast<int>(crtc->height);
        for (int m = 0; under && m < resources->nmode; ++m) {
            if (resources->modes[m].id == crtc->mode) {
                rate = ModeRate(resources->modes[m]);
            }
        }
        XRRFreeCrtcInfo(crtc);
    }
    XRRFreeScreenResources(resources);
    return rate;
}

}  // namespace

double X11RefreshRate(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
        info.subsystem != SDL_SYSWM_X11) {
        return 0.0;
    }
    Display* display = info.info.x11.display;
    int eventBase = 0;
    int errorBase = 0;
    if (XRRQueryExtension(display, &eventBase, &errorBase) == 0) {
        return 0.0;
    }
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, info.info.x11.window, &attributes) == 0) {
        return 0.0;
    }
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, info.info.x11.window, attributes.root, attributes.width / 2,
                          attributes.height / 2, &x, &y, &child);
    return RateOfModeAt(display, attributes.root, x, y);
}

}  // namespace Drobix::Platform::Sdl

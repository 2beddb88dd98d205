// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/X11RefreshRate.h"
#include "platform/sdl/X11Window.h"

namespace Drobix::Platform::Sdl {

// No X server in a browser: the window never attaches; the page's canvas takes the frames
// (CanvasRoute.cpp), paced by the browser's animation frames.
struct X11Window::Connection {};

X11Window::X11Window() = default;

X11Window::~X11Window() = default;

bool X11Window::Attach(SDL_Window* /*window*/, bool /*mayShareMemory*/) {
    return false;
}

void X11Window::Detach() {}

SDL_Surface* X11Window::Pixels(int /*width*/, int /*height*/) {
    return nullptr;
}

void X11Window::Put(std::span<const SDL_Rect> /*rects*/) {}

bool X11Window::HasInput() const {
    return false;
}

bool X11Window::SharesMemory() const {
    return false;
}

std::vector<uint32_t> X11Window::ReadBack(int /*width*/, int /*height*/) const {
    return {};
}

double X11RefreshRate(SDL_Window* /*window*/) {
    return 0.0;
}

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/MainWindow.h"

#include <SDL_syswm.h>

#include <algorithm>
#include <string>

#include "platform/sdl/SessionEnd.h"
#include "platform/sdl/SystemFrames.h"
#include "platform/sdl/X11RefreshRate.h"

namespace Drobix::Platform::Sdl {

namespace {

// A window leaves this much of the usable desktop for its frame and title bar.
constexpr int kWindowFrameRoomX = 16;
constexpr int kWindowFrameRoomY = 48;
// A window is never made smaller than the picture at half its size, where the text is still
// readable; full screen has no such floor, as the desktop decides its size.
constexpr int kMinimumWindowWidth = kFrameWidth / 2;
constexpr int kMinimumWindowHeight = kFrameHeight / 2;
constexpr int kNoMinimumSide = 1;

bool IsX11Driver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && std::string_view(driver) == "x11";
}

// Without a display SDL falls back to drivers that draw nowhere; only a request by name
// (SDL_VIDEODRIVER) makes them acceptable.
bool HasRealDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) {
        return false;
    }
    const std::string name(driver);
    if (name != "offscreen" && name != "dummy") {
        return true;
    }
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    return requested != nullptr && name == requested;
}

SDL_SYSWM_TYPE WindowSystemOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE) {
        return SDL_SYSWM_UNKNOWN;
    }
    return info.subsystem;
}

void SetMinimumSizeFor(SDL_Window* window, WindowMode mode) {
    if (mode == WindowMode::Window) {
        SDL_SetWindowMinimumSize(window, kMinimumWindowWidth, kMinimumWindowHeight);
    } else {
        SDL_SetWindowMinimumSize(window, kNoMinimumSide, kNoMinimumSide);
    }
}

// A window shows the pointer, so that the player can move it elsewhere; full screen hides it.
void ShowPointerFor(WindowMode mode) {
    SDL_ShowCursor(mode == WindowMode::Window ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace

MainWindow::~MainWindow() {
    Close();
}

bool MainWindow::Open(std::string_view title, const IconPixels& icon, WindowMode mode) {
    if (window_ != nullptr) {
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return false;
    }
    if (!HasRealDisplay()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    // On an X server the window framebuffer is the server's own, never one drawn through an
    // emulated renderer. Elsewhere (Wayland) SDL has no framebuffer of its own, and its window
    // surface is a texture drawn by a renderer; refusing that would leave no surface at all.
    if (IsX11Driver()) {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    // The window class is read from the environment when the window is made.
    const std::string name(title);
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", name.c_str(), 0);
    SDL_SetHint(SDL_HINT_APP_NAME, name.c_str());
    // Fullscreen on the desktop keeps its display mode; the frame is scaled into it. The window
    // is made as large as the desktop, so that it covers the screen even where no window
    // manager makes it fullscreen (a bare X server).
    mode = SettableWindowMode(mode);
    const bool fullscreen = mode == WindowMode::Fullscreen;
    const SDL_Rect desktop = DesktopBounds();
    const SDL_Point windowed = WindowedSize();
    // On an output of high density the window's pixels are the output's own, not the
    // compositor's units magnified.
    const uint32_t flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI |
                           (fullscreen ? static_cast<uint32_t>(SDL_WINDOW_FULLSCREEN_DESKTOP) : 0U);
    window_ = SDL_CreateWindow(name.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               fullscreen ? desktop.w : windowed.x,
                               fullscreen ? desktop.h : windowed.y, flags);
    if (window_ == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    mode_ = mode;
    modeSwitched_ = false;
    SetMinimumSizeFor(window_, mode_);
    SetIcon(icon);
    ShowPointerFor(mode_);
    SDL_RaiseWindow(window_);
    SDL_SetWindowInputFocus(window_);
    WatchSessionEnd(window_);
    return true;
}

void MainWindow::Close() {
    if (window_ == nullptr) {
        return;
    }
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    window_ = nullptr;
}

void MainWindow::SwitchMode() {
    if (window_ == nullptr) {
        return;
    }
    const WindowMode wanted =
        mode_ == WindowMode::Window ? WindowMode::Fullscreen : WindowMode::Window;
    if (SettableWindowMode(wanted) != wanted) {
        return;
    }
    mode_ = wanted;
    modeSwitched_ = true;
    ApplyMode();
}

bool MainWindow::IsOnX11() const {
    return WindowSystemOf(window_) == SDL_SYSWM_X11;
}

bool MainWindow::IsOnWayland() const {
    return WindowSystemOf(window_) == SDL_SYSWM_WAYLAND;
}

double MainWindow::RefreshRate() const {
    if (IsOnX11()) {
        const double exact = X11RefreshRate(window_);
        if (exact > 0.0) {
            return exact;
        }
    }
    SDL_DisplayMode mode{};
    const int display = SDL_GetWindowDisplayIndex(window_);
    if (display >= 0 && SDL_GetDesktopDisplayMode(display, &mode) == 0) {
        return mode.refresh_rate;
    }
    return 0.0;
}

void MainWindow::ApplyMode() {
    if (mode_ == WindowMode::Window) {
        SDL_SetWindowFullscreen(window_, 0);
        SetMinimumSizeFor(window_, mode_);
        const SDL_Point size = WindowedSize();
        SDL_SetWindowSize(window_, size.x, size.y);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        SetMinimumSizeFor(window_, mode_);
        // On an X server it is placed over the whole desktop first, so that it covers the screen
        // even where no window manager makes it full screen (a bare X server). A compositor
        // sizes a full-screen window itself, and a window resized on the way would be shown
        // at that size for a while.
        if (IsOnX11()) {
            const SDL_Rect desktop = DesktopBounds();
            SDL_SetWindowPosition(window_, desktop.x, desktop.y);
            SDL_SetWindowSize(window_, desktop.w, desktop.h);
        }
        SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    ShowPointerFor(mode_);
}

SDL_Rect MainWindow::DesktopBounds() const {
    SDL_Rect bounds{0, 0, kFrameWidth, kFrameHeight};
    const int display = window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : 0;
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(std::max(display, 0), &desktop) == 0 && desktop.w > 0 &&
        desktop.h > 0) {
        SDL_GetDisplayBounds(std::max(display, 0), &bounds);
        bounds.w = desktop.w;
        bounds.h = desktop.h;
    }
    return bounds;
}

// The largest whole multiple of the frame that fits the desktop's usable area (without its
// panels) with room for the window's frame; the frame's own size at least.
SDL_Point MainWindow::WindowedSize() const {
    SDL_Rect usable = DesktopBounds();
    const int display = window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : 0;
    SDL_GetDisplayUsableBounds(std::max(display, 0), &usable);
    const int factor = std::max(1, std::min((usable.w - kWindowFrameRoomX) / kFrameWidth,
                                            (usable.h - kWindowFrameRoomY) / kFrameHeight));
    return {kFrameWidth * factor, kFrameHeight * factor};
}

void MainWindow::SetIcon(const IconPixels& icon) {
    const size_t pixels = static_cast<size_t>(icon.width) * static_cast<size_t>(icon.height);
    if (icon.width <= 0 || icon.height <= 0 || icon.rgba.size() != pixels * 4) {
        return;
    }
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(icon.rgba.data()), icon.width,
                                           icon.height, 32, icon.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface != nullptr) {
        SDL_SetWindowIcon(window_, surface);
        SDL_FreeSurface(surface);
    }
}

}  // namespace Drobix::Platform::Sdl

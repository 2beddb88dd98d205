// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <SDL.h>

#include <string_view>

#include "platform/Presenter.h"

namespace Drobix::Platform::Sdl {

// The game's one window: made on the desktop's display, full screen on the desktop's own
// resolution or a window of the largest whole multiple of the frame that fits, with its icon,
// the pointer hidden in full screen; and what it knows of its display (bounds, refresh rate,
// whether it is on an X server). Frames reach it through a frame route.
class MainWindow {
public:
    MainWindow() = default;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    // Starts SDL's video and makes the window in the given mode; false when there is no real
    // display (SDL's drivers that draw nowhere count only when asked for by name) or no window.
    bool Open(std::string_view title, const IconPixels& icon, WindowMode mode);
    void Close();
    bool IsOpen() const { return window_ != nullptr; }
    SDL_Window* Get() const { return window_; }

    WindowMode GetMode() const { return mode_; }
    // Full screen to a window or back (Alt+Enter, F11).
    void SwitchMode();
    bool WasModeSwitched() const { return modeSwitched_; }

    // Whether SDL's window really is an X11 window (SDL_GetWindowWMInfo says so).
    bool IsOnX11() const;
    // Whether SDL's window is a Wayland surface.
    bool IsOnWayland() const;
    // The refresh rate of the display the window is on: exactly, where the X server says; else
    // as SDL has it (whole hertz); 0 when the system does not know it.
    double RefreshRate() const;

private:
    void ApplyMode();
    SDL_Rect DesktopBounds() const;
    SDL_Point WindowedSize() const;
    void SetIcon(const IconPixels& icon);

    SDL_Window* window_ = nullptr;
    WindowMode mode_ = WindowMode::Fullscreen;
    bool modeSwitched_ = false;
};

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Debug.h"
#include "platform/Presenter.h"
#include "platform/helpers/FramePacer.h"
#include "platform/sdl/FrameCopy.h"
#include "platform/sdl/FramebufferRoute.h"
#include "platform/sdl/GpuPresence.h"
#include "platform/sdl/MainWindow.h"
#include "platform/sdl/PresenterSdl.h"
#include "platform/sdl/PresenterSdlTesting.h"
#include "platform/sdl/SystemFrames.h"
#include "platform/sdl/TextureRoute.h"
#include "platform/sdl/TimerPrecision.h"

namespace Drobix::Platform {

namespace {

// Names a file to which every frame's start time (steady clock, nanoseconds) is written.
constexpr const char* kFrameLogVariable = "DROBIX_FRAME_LOG";
// Set to 1, the texture route is taken through an accelerated renderer even where its OpenGL is
// emulated on the processor, as a GPU's would be: for tests of that route where no GPU is.
constexpr const char* kAcceleratedRouteVariable = "DROBIX_ACCELERATED_ROUTE";

class SystemPacerClock : public PacerClock {
public:
    uint64_t NowNs() override {
        return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
    }
    void SleepNs(uint64_t duration) override { Sdl::PacerSleepNs(duration); }
};

// Tests only: how windows opened from now on take their route.
struct RouteRequests {
    // A texture route through this renderer, instead of the game's own choice.
    std::optional<Sdl::TextureRoute::Renderer> textureRenderer;
    // False sends the framebuffer route's pixels through the X connection itself.
    bool shareMemoryWithServer = true;
};

struct PresenterState {
    WindowMode startMode = WindowMode::Fullscreen;
    Sdl::MainWindow window;
    std::unique_ptr<Sdl::FrameRoute> route;
    // The window's pixels as --verbose last told them.
    SDL_Point reportedSize{};
    bool surfacesLost = false;
    // Measuring only (tools/measure-frames.sh): the time each frame started, one line each.
    std::FILE* frameLog = nullptr;
    // Tests only: the frame being presented, where a test can read it.
    Sdl::FrameCopy frameCopy;
};

SystemPacerClock pacerClock;
FramePacer pacer(pacerClock);
PresenterState presenter;
RouteRequests routeRequests;

bool AcceleratedRouteRequested() {
    const char* value = std::getenv(kAcceleratedRouteVariable);
    return value != nullptr && std::string_view(value) == "1";
}

// The route for the window and, in why, the reason it was taken.
std::unique_ptr<Sdl::FrameRoute> ChooseRoute(SDL_Window* window, std::string& why) {
    if (auto route = Sdl::SystemFrameRoute(window, why)) {
        return route;
    }
    std::string whyNot;
    if (!routeRequests.textureRenderer && AcceleratedRouteRequested()) {
        routeRequests.textureRenderer = Sdl::TextureRoute::Renderer::EmulatedGpu;
    }
    if (routeRequests.textureRenderer) {
        auto route = Sdl::TextureRoute::Create(window, *routeRequests.textureRenderer, whyNot);
        if (route != nullptr) {
            why = "a test asked for it";
            return route;
        }
    } else if (Sdl::SystemOffersGpu(whyNot)) {
        auto route = Sdl::TextureRoute::Create(window, Sdl::TextureRoute::Renderer::Gpu, whyNot);
        if (route != nullptr) {
            why = Sdl::kGpuFoundReason;
            return route;
        }
    }
    why = whyNot;
    using WindowSystem = Sdl::FramebufferRoute::WindowSystem;
    const WindowSystem system = presenter.window.IsOnX11()       ? WindowSystem::X11
                                : presenter.window.IsOnWayland() ? WindowSystem::Wayland
                                                                 : WindowSystem::Other;
    return std::make_unique<Sdl::FramebufferRoute>(window, system,
                                                   routeRequests.shareMemoryWithServer);
}

// Paces frames at the window's display's refresh rate, and says so with --verbose.
void TakeRefreshRate() {
    const double hertz = presenter.window.RefreshRate();
    pacer.SetRefreshRate(hertz);
    char line[64];
    std::snprintf(line, sizeof line, "Refresh rate: %.3f Hz%s", hertz,
                  hertz > 0.0 ? "" : " unknown, paced at 60 Hz");
    DebugOutput(line);
}

// Tells, with --verbose, the window's pixels that a present drew into whenever they change (a
// switch of the window's mode, a resize, another output's density): tests wait for this.
void ReportDrawnSize() {
    const SDL_Point drawn = presenter.route->DrawnSize();
    if (drawn.x == presenter.reportedSize.x && drawn.y == presenter.reportedSize.y) {
        return;
    }
    presenter.reportedSize = drawn;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(presenter.window.Get(), &width, &height);
    char line[96];
    std::snprintf(
        line, sizeof line, "Drawing into %dx%d pixels (a window of %dx%d, %s)", drawn.x, drawn.y,
        width, height,
        presenter.window.GetMode() == WindowMode::Fullscreen ? "full screen" : "windowed");
    DebugOutput(line);
}

Sdl::FramebufferRoute* CurrentFramebufferRoute() {
    return dynamic_cast<Sdl::FramebufferRoute*>(presenter.route.get());
}

}  // namespace

void SetStartWindowMode(WindowMode mode) {
    presenter.startMode = mode;
}

WindowMode GetWindowMode() {
    return presenter.window.IsOpen() ? presenter.window.GetMode() : presenter.startMode;
}

bool WasWindowModeSwitched() {
    return presenter.window.WasModeSwitched();
}

void SetWindowMode(WindowMode mode) {
    if (!presenter.window.IsOpen()) {
        presenter.startMode = mode;
    } else if (presenter.window.GetMode() != mode) {
        Sdl::SwitchWindowMode();
    }
}

bool OpenMainWindow(std::string_view title, const IconPixels& icon) {
    if (presenter.window.IsOpen()) {
        return true;
    }
    if (!presenter.window.Open(title, icon, presenter.startMode)) {
        return false;
    }
    std::string why;
    presenter.route = ChooseRoute(presenter.window.Get(), why);
    Sdl::RequestPreciseTimers();
    if (const char* logPath = std::getenv(kFrameLogVariable)) {
        presenter.frameLog = std::fopen(logPath, "w");
    }
    presenter.frameCopy.OpenFromEnvironment();
    TakeRefreshRate();
    // A Wayland compositor shows a window, and so gives it the focus that starts the game's
    // frames, only once it has a picture. The first frame of the game is then drawn whole.
    const std::vector<uint16_t> black(kFramePixels);
    PresentFrame(black.data(), ChangedSpans{});
    presenter.route->ForgetPresentedFrame();
    // After the first present, which settles how the pixels travel.
    DebugOutput("Presenting through " + presenter.route->Describe() + ": " + why);
    return true;
}

void CloseMainWindow() {
    if (!presenter.window.IsOpen()) {
        return;
    }
    presenter.route.reset();
    presenter.window.Close();
    Sdl::ReleasePreciseTimers();
    presenter.frameCopy.Close();
    if (presenter.frameLog != nullptr) {
        std::fclose(presenter.frameLog);
    }
    presenter.frameLog = nullptr;
    presenter.surfacesLost = false;
    presenter.reportedSize = {};
}

void PresentFrame(const uint16_t* frame, const ChangedSpans& changed) {
    if (presenter.route == nullptr || frame == nullptr) {
        return;
    }
    presenter.frameCopy.Begin(frame);
    presenter.route->Present(frame, changed);
    presenter.frameCopy.End();
    ReportDrawnSize();
    // A present that waits for the display has taken its interval already; one that does not
    // (virtual servers, some drivers) is held until the next frame's time.
    pacer.WaitForNextFrame(presenter.route->GetPresentSync());
    if (presenter.frameLog != nullptr) {
        std::fprintf(presenter.frameLog, "%llu\n",
                     static_cast<unsigned long long>(pacerClock.NowNs()));
    }
}

void MarkSurfacesLost() {
    presenter.surfacesLost = true;
    if (presenter.route != nullptr) {
        presenter.route->DeviceReset();
    }
}

bool TakeSurfacesLost() {
    const bool lost = presenter.surfacesLost;
    presenter.surfacesLost = false;
    return lost;
}

}  // namespace Drobix::Platform

namespace Drobix::Platform::Sdl {

void RepaintWholeWindow() {
    if (presenter.route != nullptr) {
        presenter.route->WindowChanged();
    }
}

void DisplayChanged() {
    if (!presenter.window.IsOpen()) {
        return;
    }
    // Set only when it changed: setting it starts the pacer's learning afresh.
    FramePacer rate(pacerClock);
    rate.SetRefreshRate(presenter.window.RefreshRate());
    if (rate.GetIntervalNs() != pacer.GetIntervalNs()) {
        TakeRefreshRate();
    }
}

WindowSystemInput WatchWindowSystem() {
    const FramebufferRoute* route = CurrentFramebufferRoute();
    const X11Window* x11 = route != nullptr ? route->GetX11Window() : nullptr;
    if (x11 == nullptr) {
        return {};
    }
    return {true, x11->HasInput()};
}

void SwitchWindowMode() {
    if (!presenter.window.IsOpen()) {
        return;
    }
    presenter.window.SwitchMode();
    RepaintWholeWindow();
}

}  // namespace Drobix::Platform::Sdl

namespace Drobix::Platform::Sdl::Testing {

void UseSoftwareTextureRoute(bool use) {
    routeRequests.textureRenderer =
        use ? std::optional(TextureRoute::Renderer::Software) : std::nullopt;
}

void UseEmulatedGpuTextureRoute(bool use) {
    routeRequests.textureRenderer =
        use ? std::optional(TextureRoute::Renderer::EmulatedGpu) : std::nullopt;
}

bool TakesTextureRoute() {
    return dynamic_cast<const TextureRoute*>(presenter.route.get()) != nullptr;
}

SDL_Surface* GetTextureRouteSurface() {
    if (!TakesTextureRoute()) {
        return nullptr;
    }
    return SDL_GetWindowSurface(presenter.window.Get());
}

SDL_Surface* GetFramebuffer() {
    FramebufferRoute* route = CurrentFramebufferRoute();
    return route != nullptr ? route->WindowPixels() : nullptr;
}

SDL_Rect GetScaledArea() {
    const FramebufferRoute* route = CurrentFramebufferRoute();
    return route != nullptr ? route->GetScaledArea() : SDL_Rect{};
}

std::vector<uint32_t> ReadWindowFromServer() {
    const FramebufferRoute* route = CurrentFramebufferRoute();
    const X11Window* x11 = route != nullptr ? route->GetX11Window() : nullptr;
    if (x11 == nullptr) {
        return {};
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(presenter.window.Get(), &width, &height);
    return x11->ReadBack(width, height);
}

void ShareMemoryWithServer(bool share) {
    routeRequests.shareMemoryWithServer = share;
}

bool SendsThroughSharedMemory() {
    const FramebufferRoute* route = CurrentFramebufferRoute();
    const X11Window* x11 = route != nullptr ? route->GetX11Window() : nullptr;
    return x11 != nullptr && x11->SharesMemory();
}

}  // namespace Drobix::Platform::Sdl::Testing

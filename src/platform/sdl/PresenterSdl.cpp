// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <SDL.h>

#include <sys/prctl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/Presenter.h"
#include "platform/sdl/PresenterSdl.h"
#include "platform/sdl/PresenterSdlTesting.h"
#include "platform/sdl/X11Window.h"
#include "platform/shared/FrameChanges.h"
#include "platform/shared/FramePacer.h"
#include "platform/shared/RowScaler.h"
#include "platform/shared/SharpScaler.h"

namespace Drobix::Platform {

namespace {

// The pacer's sleeps end this close to their request: the kernel's default slack of 50 µs
// would otherwise make it yield through that much more of every frame.
constexpr unsigned long kTimerSlackNs = 1000;
// The framebuffer route sends only what changed, and the whole window this often (ten seconds at
// 60 Hz), so that nothing the window system lost without telling stays wrong for long; lost
// pixels it does tell of are sent again at once. On an X server that cannot share memory with us
// the whole window goes through the connection, 3 MiB at 1024 x 768, which once a second cost
// more than everything else the program did between frames.
constexpr int kFullRepaintPresents = 600;
// On an X server SDL's event pump (a dozen system calls and much of SDL, a tenth of a frame's
// processor time) runs when the server sent something, then on every pass for a while (SDL tells
// of a lost focus a fifth of a second after the server does), and otherwise this often (a
// second at 60 Hz), for what else SDL does on time alone (holding off the screensaver, seeing
// pads plugged in).
constexpr int kPumpPassesAfterInput = 30;
constexpr int kPassesPerTimedPump = 60;
constexpr uint32_t kGlRenderer = 0x1F01;
// A window leaves this much of the usable desktop for its frame and title bar.
constexpr int kWindowFrameRoomX = 16;
constexpr int kWindowFrameRoomY = 48;
constexpr const char* kRenderNodeFolder = "/dev/dri";
constexpr std::string_view kRenderNodePrefix = "renderD";
// Names a file to which every frame's start time (steady clock, nanoseconds) is written.
constexpr const char* kFrameLogVariable = "DROBIX_FRAME_LOG";

// How frames reach the screen: through a streaming texture that a GPU scales, or, where
// OpenGL would only be emulated on the processor, straight into the window's framebuffer,
// scaled by our own code (a fraction of the cost of an emulated OpenGL present).
enum class Route { kTexture, kFramebuffer };

class SystemPacerClock : public PacerClock {
public:
    uint64_t NowNs() override {
        return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
    }
    void SleepNs(uint64_t duration) override {
        std::this_thread::sleep_for(std::chrono::nanoseconds(duration));
    }
    // One more sleep, through to the deadline, rather than a spin. Wakes here come a few tens to
    // a couple of hundred microseconds late, now and then milliseconds late (a virtual machine's
    // processor taken away): while they stay within the pacer's steady spread a frame takes one
    // sleep; after a wild one, two (this one the second) until it is forgotten.
    void Yield(uint64_t remaining) override {
        std::this_thread::sleep_for(std::chrono::nanoseconds(remaining));
    }
};

SystemPacerClock pacerClock;
FramePacer pacer(pacerClock);
// The framebuffer route's way to an X server, when the window is on one.
Sdl::X11Window x11Window;

struct PresenterState {
    SDL_Window* window = nullptr;
    // Measuring only (tools/measure-frames.sh): the time each frame started, one line each.
    std::FILE* frameLog = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    // Texture route: the band of the frame being converted, on its way to the texture.
    std::vector<uint32_t> convertedBand;
    // Texture route at a broken scale: the frame enlarged by the whole factor, which the GPU
    // then scales smoothly into the window; none at a whole factor.
    SDL_Texture* enlarged = nullptr;
    int enlargedFactor = 0;
    Route route = Route::kFramebuffer;
    WindowMode startMode = WindowMode::Fullscreen;
    WindowMode mode = WindowMode::Fullscreen;
    bool modeSwitched = false;
    bool texturesReset = false;
    bool surfacesLost = false;
    // Framebuffer route: the scaling tables for the surface they were made for.
    SDL_Surface* scaledFor = nullptr;
    int scaledWidth = 0;
    int scaledHeight = 0;
    SDL_Rect scaledArea{};
    // Whole factors copy pixels (quickly, by RowScaler); other factors scale sharp bilinear.
    bool wholeFactor = false;
    RowScaler rowScaler;
    SharpScaler sharpScaler;
    std::vector<uint32_t> convertedRow;
    std::vector<uint32_t> scaledRow;
    // The last two frame rows scaled to the window's width in this present, by frame row and the
    // window columns scaled.
    std::array<int, 2> cachedSource{-1, -1};
    std::array<std::pair<int, int>, 2> cachedColumns;
    std::array<std::vector<uint32_t>, 2> cachedRow;
    int nextCacheSlot = 0;
    // The window columns of the scaled area that the row being presented redraws, [first, last).
    std::pair<int, int> redrawnColumns;
    FrameChanges frameChanges;
    std::vector<SDL_Rect> changedRects;
    bool repaintWholeWindow = true;
    int presentsSinceFullRepaint = 0;
    // Event reading passes since SDL last pumped the X server's events, and passes left to pump
    // on since the server last sent something.
    int passesWithoutPump = 0;
    int pumpPassesLeft = 0;
};

PresenterState presenter;

bool IsEmulatedOpenGl() {
    using GetString = const unsigned char* (*)(uint32_t);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (getString == nullptr) {
        return false;
    }
    const unsigned char* name = getString(kGlRenderer);
    if (name == nullptr) {
        return false;
    }
    const std::string renderer(reinterpret_cast<const char*>(name));
    for (const char* emulated : {"llvmpipe", "softpipe", "Software Rasterizer", "SWR"}) {
        if (renderer.find(emulated) != std::string::npos) {
            return true;
        }
    }
    return false;
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

// The frame's own texture, copied pixel for pixel wherever it is scaled.
SDL_Texture* CreateFrameTexture() {
    SDL_Texture* texture =
        SDL_CreateTexture(presenter.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                          kFrameWidth, kFrameHeight);
    if (texture != nullptr) {
        SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    }
    return texture;
}

// Whether the system offers a GPU to render with: a DRM render node, and no request for
// software rendering. Decided before any renderer is made, because making one maps an OpenGL
// driver (about 50 MiB, most of the program's memory), and where there is no render node that
// driver could only emulate a GPU on the processor and would be refused anyway.
bool SystemOffersGpu() {
    const char* software = std::getenv("LIBGL_ALWAYS_SOFTWARE");
    if (software != nullptr && software[0] != '\0' && std::string_view(software) != "0") {
        return false;
    }
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kRenderNodeFolder, error)) {
        if (entry.path().filename().string().starts_with(kRenderNodePrefix)) {
            return true;
        }
    }
    return false;
}

// Tests only: the texture route through SDL's software renderer, where no GPU is.
bool softwareTextureRoute = false;
// Tests only: false sends the framebuffer route's pixels through the X connection itself.
bool shareMemoryWithServer = true;

bool CreateTextureRoute() {
    if (!softwareTextureRoute && !SystemOffersGpu()) {
        return false;
    }
    presenter.renderer = SDL_CreateRenderer(
        presenter.window, -1,
        softwareTextureRoute ? SDL_RENDERER_SOFTWARE
                             : SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (presenter.renderer == nullptr) {
        return false;
    }
    SDL_RendererInfo info{};
    const bool usable = SDL_GetRendererInfo(presenter.renderer, &info) == 0 &&
                        (softwareTextureRoute ||
                         ((info.flags & SDL_RENDERER_ACCELERATED) != 0 &&
                          !(std::strncmp(info.name, "opengl", 6) == 0 && IsEmulatedOpenGl())));
    if (usable) {
        SDL_RenderSetLogicalSize(presenter.renderer, kFrameWidth, kFrameHeight);
        presenter.texture = CreateFrameTexture();
    }
    if (presenter.texture == nullptr) {
        SDL_DestroyRenderer(presenter.renderer);
        presenter.renderer = nullptr;
        return false;
    }
    return true;
}

void SetIcon(const IconPixels& icon) {
    const size_t pixels = static_cast<size_t>(icon.width) * static_cast<size_t>(icon.height);
    if (icon.width <= 0 || icon.height <= 0 || icon.rgba.size() != pixels * 4) {
        return;
    }
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(icon.rgba.data()), icon.width,
                                           icon.height, 32, icon.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface != nullptr) {
        SDL_SetWindowIcon(presenter.window, surface);
        SDL_FreeSurface(surface);
    }
}

// The desktop's refresh rate; 0 when the system does not know it.
int RefreshRate() {
    SDL_DisplayMode mode{};
    const int display = SDL_GetWindowDisplayIndex(presenter.window);
    if (display >= 0 && SDL_GetDesktopDisplayMode(display, &mode) == 0) {
        return mode.refresh_rate;
    }
    return 0;
}

void DestroyEnlargedFrame() {
    if (presenter.enlarged != nullptr) {
        SDL_DestroyTexture(presenter.enlarged);
    }
    presenter.enlarged = nullptr;
    presenter.enlargedFactor = 0;
}

// Sharp bilinear on the GPU: the frame drawn by nearest neighbour into a texture of the whole
// factor, which is then drawn with linear filtering into the letterboxed area. At a whole factor
// the frame itself is shown, pixel for pixel. The frame itself when the enlarged texture cannot
// be had.
SDL_Texture* EnlargedFrame() {
    int width = 0;
    int height = 0;
    if (SDL_GetRendererOutputSize(presenter.renderer, &width, &height) != 0) {
        return presenter.texture;
    }
    const int factor = std::max(1, std::min(width / kFrameWidth, height / kFrameHeight));
    // The frame fills the window's width or its height, whichever is reached first.
    const int shownWidth = std::min(width, height * kFrameWidth / kFrameHeight);
    const bool whole = shownWidth == factor * kFrameWidth;
    if (whole) {
        DestroyEnlargedFrame();
        return presenter.texture;
    }
    if (presenter.enlargedFactor != factor) {
        DestroyEnlargedFrame();
        presenter.enlarged = SDL_CreateTexture(presenter.renderer, SDL_PIXELFORMAT_ARGB8888,
                                               SDL_TEXTUREACCESS_TARGET, kFrameWidth * factor,
                                               kFrameHeight * factor);
        if (presenter.enlarged == nullptr) {
            return presenter.texture;
        }
        SDL_SetTextureScaleMode(presenter.enlarged, SDL_ScaleModeLinear);
        presenter.enlargedFactor = factor;
    }
    if (SDL_SetRenderTarget(presenter.renderer, presenter.enlarged) != 0) {
        return presenter.texture;
    }
    SDL_RenderCopy(presenter.renderer, presenter.texture, nullptr, nullptr);
    SDL_SetRenderTarget(presenter.renderer, nullptr);
    return presenter.enlarged;
}

// The frame converted into the texture band by band; false when the texture took no pixels.
bool UploadFrame(const uint16_t* frame) {
    if (presenter.texture == nullptr) {
        return false;
    }
    presenter.convertedBand.resize(kConversionBandPixels);
    for (int top = 0; top < kFrameHeight; top += kConversionBandRows) {
        ConvertRgb565ToXrgb8888(frame + static_cast<size_t>(top) * kFrameWidth,
                                presenter.convertedBand.data(), kConversionBandPixels);
        const SDL_Rect band{0, top, kFrameWidth, kConversionBandRows};
        if (SDL_UpdateTexture(presenter.texture, &band, presenter.convertedBand.data(),
                              kFrameWidth * static_cast<int>(sizeof(uint32_t))) != 0) {
            return false;
        }
    }
    return true;
}

void PresentThroughTexture(const uint16_t* frame) {
    if (presenter.texturesReset) {
        presenter.texturesReset = false;
        DestroyEnlargedFrame();
        SDL_DestroyTexture(presenter.texture);
        presenter.texture = CreateFrameTexture();
    }
    if (!UploadFrame(frame)) {
        return;
    }
    SDL_Texture* shown = EnlargedFrame();
    SDL_SetRenderDrawColor(presenter.renderer, 0, 0, 0, 255);
    SDL_RenderClear(presenter.renderer);
    SDL_RenderCopy(presenter.renderer, shown, nullptr, nullptr);
    SDL_RenderPresent(presenter.renderer);
}

// Fits the frame into the surface with its aspect kept, clears the bars once, and prepares the
// scaling for that size.
void PrepareScaling(SDL_Surface* surface) {
    presenter.scaledFor = surface;
    presenter.scaledWidth = surface->w;
    presenter.scaledHeight = surface->h;
    const int64_t widthByHeight = static_cast<int64_t>(surface->w) * kFrameHeight;
    const int64_t heightByWidth = static_cast<int64_t>(surface->h) * kFrameWidth;
    const int width =
        widthByHeight <= heightByWidth
            ? surface->w
            : static_cast<int>(static_cast<int64_t>(surface->h) * kFrameWidth / kFrameHeight);
    const int height =
        widthByHeight <= heightByWidth
            ? static_cast<int>(static_cast<int64_t>(surface->w) * kFrameHeight / kFrameWidth)
            : surface->h;
    presenter.scaledArea = {(surface->w - width) / 2, (surface->h - height) / 2, width, height};
    presenter.wholeFactor = width % kFrameWidth == 0 && height % kFrameHeight == 0 &&
                            width / kFrameWidth == height / kFrameHeight;
    presenter.rowScaler.Prepare(kFrameWidth, width);
    presenter.sharpScaler.Prepare(kFrameWidth, kFrameHeight, width, height);
    const auto rowPixels = static_cast<size_t>(std::max(width, 0));
    presenter.scaledRow.resize(rowPixels);
    for (std::vector<uint32_t>& row : presenter.cachedRow) {
        row.resize(rowPixels);
    }
    presenter.convertedRow.resize(kFrameWidth);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
}

// Frame row sourceY converted and scaled to the window's width (only its redrawn columns when
// not by a whole factor); kept for the rest of the present, since neighbouring window rows draw
// on the same frame rows.
const uint32_t* ScaledFrameRow(const uint16_t* frame, int sourceY) {
    for (size_t slot = 0; slot < presenter.cachedSource.size(); ++slot) {
        if (presenter.cachedSource[slot] == sourceY &&
            presenter.cachedColumns[slot] == presenter.redrawnColumns) {
            return presenter.cachedRow[slot].data();
        }
    }
    const auto slot = static_cast<size_t>(presenter.nextCacheSlot);
    presenter.nextCacheSlot = 1 - presenter.nextCacheSlot;
    presenter.cachedSource[slot] = sourceY;
    presenter.cachedColumns[slot] = presenter.redrawnColumns;
    const uint16_t* row = frame + static_cast<size_t>(sourceY) * kFrameWidth;
    uint32_t* scaled = presenter.cachedRow[slot].data();
    if (presenter.wholeFactor) {
        ConvertRgb565ToXrgb8888(row, presenter.convertedRow.data(), kFrameWidth);
        presenter.rowScaler.Scale(presenter.convertedRow.data(), scaled);
    } else {
        const auto [left, right] = presenter.sharpScaler.SourceColumns(
            presenter.redrawnColumns.first, presenter.redrawnColumns.second);
        ConvertRgb565ToXrgb8888(row + left, presenter.convertedRow.data() + left, right - left);
        presenter.sharpScaler.ScaleRow(presenter.convertedRow.data(), scaled,
                                       presenter.redrawnColumns.first,
                                       presenter.redrawnColumns.second);
    }
    return scaled;
}

// Fills the redrawn columns of the window row at target (the scaled area's left edge) with what
// window row y of the scaled area shows.
void PresentRow(const uint16_t* frame, const SDL_PixelFormat* format, int y, uint32_t* target) {
    const SharpScaler::Taps& taps = presenter.sharpScaler.RowTaps(y);
    const int first = presenter.redrawnColumns.first;
    const int width = presenter.redrawnColumns.second - first;
    target += first;
    // The conversion writes 0xFFRRGGBB; other 32-bit layouts are rare enough to map per pixel.
    const bool native = format->Rmask == 0x00FF0000U && format->Gmask == 0x0000FF00U &&
                        format->Bmask == 0x000000FFU;
    uint32_t* row = native ? target : presenter.scaledRow.data();
    const uint32_t* upper = ScaledFrameRow(frame, taps.first) + first;
    if (taps.weight == 0) {
        std::memcpy(row, upper, static_cast<size_t>(width) * 4);
    } else {
        const uint32_t* lower = ScaledFrameRow(frame, taps.second) + first;
        SharpScaler::BlendRows(upper, lower, taps.weight, row, width);
    }
    if (native) {
        return;
    }
    for (int x = 0; x < width; ++x) {
        const uint32_t pixel = row[x];
        target[x] = SDL_MapRGB(format, static_cast<uint8_t>(pixel >> 16),
                               static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel));
    }
}

// The columns of both spans and those between them; an empty span adds none.
RowSpan Union(RowSpan first, RowSpan second) {
    if (first.left == first.right) {
        return second;
    }
    if (second.left == second.right) {
        return first;
    }
    return {std::min(first.left, second.left), std::max(first.right, second.right)};
}

// Extends the last rectangle when window row y follows it over the same columns, else starts a
// new one over the redrawn columns.
void AddChangedRow(int y) {
    const int left = presenter.scaledArea.x + presenter.redrawnColumns.first;
    const int width = presenter.redrawnColumns.second - presenter.redrawnColumns.first;
    std::vector<SDL_Rect>& rects = presenter.changedRects;
    if (!rects.empty() && rects.back().y + rects.back().h == y && rects.back().x == left &&
        rects.back().w == width) {
        ++rects.back().h;
    } else {
        rects.push_back({left, y, width, 1});
    }
}

// True when the whole window is to be sent this time. A new or resized surface is drawn afresh;
// any other surface still holds the frames presented into it, in memory of our own, and is only
// sent again.
bool TakeWholeWindowRepaint(SDL_Surface* surface) {
    if (surface != presenter.scaledFor || surface->w != presenter.scaledWidth ||
        surface->h != presenter.scaledHeight) {
        PrepareScaling(surface);
        presenter.frameChanges.Invalidate();
        presenter.repaintWholeWindow = true;
    }
    if (++presenter.presentsSinceFullRepaint >= kFullRepaintPresents) {
        presenter.repaintWholeWindow = true;
    }
    if (!presenter.repaintWholeWindow) {
        return false;
    }
    presenter.repaintWholeWindow = false;
    presenter.presentsSinceFullRepaint = 0;
    return true;
}

// The pixels the framebuffer route draws into: the X11 window's own, when it sends them to the X
// server itself; SDL's window surface otherwise.
SDL_Surface* FramebufferSurface() {
    if (!x11Window.IsAttached()) {
        return SDL_GetWindowSurface(presenter.window);
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(presenter.window, &width, &height);
    return x11Window.Pixels(width, height);
}

void SendToWindow(SDL_Surface* surface, bool wholeWindow) {
    const std::vector<SDL_Rect>& rects = presenter.changedRects;
    if (x11Window.IsAttached()) {
        const SDL_Rect all{0, 0, surface->w, surface->h};
        x11Window.Put(wholeWindow ? std::span<const SDL_Rect>(&all, 1)
                                  : std::span<const SDL_Rect>(rects));
    } else if (wholeWindow) {
        SDL_UpdateWindowSurface(presenter.window);
    } else if (!rects.empty()) {
        SDL_UpdateWindowSurfaceRects(presenter.window, rects.data(),
                                     static_cast<int>(rects.size()));
    }
}

void PresentThroughFramebuffer(const uint16_t* frame, const ChangedSpans& changedSpans) {
    SDL_Surface* surface = FramebufferSurface();
    // A frame not drawn leaves its changes to the next one, which draws everything.
    if (surface == nullptr || surface->format->BytesPerPixel != 4) {
        presenter.frameChanges.Invalidate();
        return;
    }
    const bool wholeWindow = TakeWholeWindowRepaint(surface);
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) {
        presenter.frameChanges.Invalidate();
        return;
    }
    presenter.frameChanges.Take(changedSpans);
    const SDL_Rect& area = presenter.scaledArea;
    auto* base = static_cast<uint8_t*>(surface->pixels);
    presenter.changedRects.clear();
    presenter.cachedSource = {-1, -1};
    // Only the window rows that draw on a changed frame row can have anything to present.
    const auto [changedTop, changedBottom] = presenter.frameChanges.ChangedRows();
    const auto [firstRow, lastRow] = presenter.sharpScaler.TargetRows(changedTop, changedBottom);
    for (int y = firstRow; y < lastRow; ++y) {
        const SharpScaler::Taps& taps = presenter.sharpScaler.RowTaps(y);
        const RowSpan columns = Union(presenter.frameChanges.Columns(taps.first),
                                      presenter.frameChanges.Columns(taps.second));
        if (columns.left == columns.right) {
            continue;
        }
        presenter.redrawnColumns = presenter.sharpScaler.TargetColumns(columns.left, columns.right);
        auto* target =
            reinterpret_cast<uint32_t*>(base + static_cast<size_t>(area.y + y) * surface->pitch) +
            area.x;
        PresentRow(frame, surface->format, y, target);
        AddChangedRow(area.y + y);
    }
    if (SDL_MUSTLOCK(surface)) {
        SDL_UnlockSurface(surface);
    }
    SendToWindow(surface, wholeWindow);
}

SDL_Rect DesktopBounds() {
    SDL_Rect bounds{0, 0, kFrameWidth, kFrameHeight};
    const int display =
        presenter.window != nullptr ? SDL_GetWindowDisplayIndex(presenter.window) : 0;
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
SDL_Point WindowSize() {
    SDL_Rect usable = DesktopBounds();
    const int display =
        presenter.window != nullptr ? SDL_GetWindowDisplayIndex(presenter.window) : 0;
    SDL_GetDisplayUsableBounds(std::max(display, 0), &usable);
    const int factor = std::max(1, std::min((usable.w - kWindowFrameRoomX) / kFrameWidth,
                                            (usable.h - kWindowFrameRoomY) / kFrameHeight));
    return {kFrameWidth * factor, kFrameHeight * factor};
}

// A window shows the pointer, so that the player can move it elsewhere; full screen hides it.
void ShowPointerFor(WindowMode mode) {
    SDL_ShowCursor(mode == WindowMode::Window ? SDL_ENABLE : SDL_DISABLE);
}

void ApplyWindowMode(WindowMode mode) {
    if (mode == WindowMode::Window) {
        SDL_SetWindowFullscreen(presenter.window, 0);
        const SDL_Point size = WindowSize();
        SDL_SetWindowSize(presenter.window, size.x, size.y);
        SDL_SetWindowPosition(presenter.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        // Placed over the whole desktop first, so that it covers the screen even where no window
        // manager makes it full screen (a bare X server).
        const SDL_Rect desktop = DesktopBounds();
        SDL_SetWindowPosition(presenter.window, desktop.x, desktop.y);
        SDL_SetWindowSize(presenter.window, desktop.w, desktop.h);
        SDL_SetWindowFullscreen(presenter.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    ShowPointerFor(mode);
    presenter.repaintWholeWindow = true;
}

}  // namespace

void SetStartWindowMode(WindowMode mode) {
    presenter.startMode = mode;
}

WindowMode GetWindowMode() {
    return presenter.window != nullptr ? presenter.mode : presenter.startMode;
}

bool WasWindowModeSwitched() {
    return presenter.modeSwitched;
}

bool OpenMainWindow(std::string_view title, const IconPixels& icon) {
    if (presenter.window != nullptr) {
        return true;
    }
    // The window framebuffer is the native one, never one drawn through an emulated renderer.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return false;
    }
    if (!HasRealDisplay()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    // The window class is read from the environment when the window is made.
    const std::string name(title);
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", name.c_str(), 0);
    SDL_SetHint(SDL_HINT_APP_NAME, name.c_str());
    // Fullscreen on the desktop keeps its display mode; the frame is scaled into it. The window
    // is made as large as the desktop, so that it covers the screen even where no window
    // manager makes it fullscreen (a bare X server).
    const bool fullscreen = presenter.startMode == WindowMode::Fullscreen;
    const SDL_Rect desktop = DesktopBounds();
    const SDL_Point windowSize = WindowSize();
    const uint32_t flags = SDL_WINDOW_RESIZABLE |
                           (fullscreen ? static_cast<uint32_t>(SDL_WINDOW_FULLSCREEN_DESKTOP) : 0U);
    presenter.window = SDL_CreateWindow(
        name.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
        fullscreen ? desktop.w : windowSize.x, fullscreen ? desktop.h : windowSize.y, flags);
    if (presenter.window == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    presenter.mode = presenter.startMode;
    SetIcon(icon);
    ShowPointerFor(presenter.mode);
    presenter.route = CreateTextureRoute() ? Route::kTexture : Route::kFramebuffer;
    if (presenter.route == Route::kFramebuffer) {
        x11Window.Attach(presenter.window, shareMemoryWithServer);
    }
    prctl(PR_SET_TIMERSLACK, kTimerSlackNs);
    if (const char* logPath = std::getenv(kFrameLogVariable)) {
        presenter.frameLog = std::fopen(logPath, "w");
    }
    pacer.SetRefreshRate(RefreshRate());
    SDL_RaiseWindow(presenter.window);
    SDL_SetWindowInputFocus(presenter.window);
    return true;
}

void CloseMainWindow() {
    if (presenter.window == nullptr) {
        return;
    }
    DestroyEnlargedFrame();
    x11Window.Detach();
    if (presenter.texture != nullptr) {
        SDL_DestroyTexture(presenter.texture);
    }
    if (presenter.renderer != nullptr) {
        SDL_DestroyRenderer(presenter.renderer);
    }
    SDL_DestroyWindow(presenter.window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (presenter.frameLog != nullptr) {
        std::fclose(presenter.frameLog);
    }
    const WindowMode startMode = presenter.startMode;
    presenter = PresenterState{};
    presenter.startMode = startMode;
}

void PresentFrame(const uint16_t* frame, const ChangedSpans& changed) {
    if (presenter.window == nullptr || frame == nullptr) {
        return;
    }
    if (presenter.route == Route::kTexture) {
        PresentThroughTexture(frame);
    } else {
        PresentThroughFramebuffer(frame, changed);
    }
    // A present that waits for the display has taken its interval already and returns here
    // at the deadline; one that does not (virtual servers, some drivers) is held until then.
    pacer.WaitForNextFrame();
    if (presenter.frameLog != nullptr) {
        std::fprintf(presenter.frameLog, "%llu\n",
                     static_cast<unsigned long long>(pacerClock.NowNs()));
    }
}

void MarkSurfacesLost() {
    presenter.surfacesLost = true;
    presenter.texturesReset = true;
}

bool TakeSurfacesLost() {
    const bool lost = presenter.surfacesLost;
    presenter.surfacesLost = false;
    return lost;
}

}  // namespace Drobix::Platform

namespace Drobix::Platform::Sdl {

void RepaintWholeWindow() {
    presenter.repaintWholeWindow = true;
}

bool WindowEventsMayWait() {
    if (!x11Window.IsAttached()) {
        return true;
    }
    if (x11Window.HasInput()) {
        presenter.pumpPassesLeft = kPumpPassesAfterInput;
    }
    if (presenter.pumpPassesLeft > 0) {
        --presenter.pumpPassesLeft;
        presenter.passesWithoutPump = 0;
        return true;
    }
    if (++presenter.passesWithoutPump >= kPassesPerTimedPump) {
        presenter.passesWithoutPump = 0;
        return true;
    }
    return false;
}

void SwitchWindowMode() {
    if (presenter.window == nullptr) {
        return;
    }
    presenter.mode =
        presenter.mode == WindowMode::Window ? WindowMode::Fullscreen : WindowMode::Window;
    presenter.modeSwitched = true;
    ApplyWindowMode(presenter.mode);
}

}  // namespace Drobix::Platform::Sdl

namespace Drobix::Platform::Sdl::Testing {

void UseSoftwareTextureRoute(bool use) {
    softwareTextureRoute = use;
}

SDL_Surface* GetTextureRouteSurface() {
    if (presenter.window == nullptr || presenter.route != Route::kTexture) {
        return nullptr;
    }
    return SDL_GetWindowSurface(presenter.window);
}

SDL_Surface* GetFramebuffer() {
    if (presenter.window == nullptr || presenter.route != Route::kFramebuffer) {
        return nullptr;
    }
    return FramebufferSurface();
}

SDL_Rect GetScaledArea() {
    return presenter.scaledArea;
}

std::vector<uint32_t> ReadWindowFromServer() {
    if (presenter.window == nullptr || !x11Window.IsAttached()) {
        return {};
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(presenter.window, &width, &height);
    return x11Window.ReadBack(width, height);
}

void ShareMemoryWithServer(bool share) {
    shareMemoryWithServer = share;
}

bool SendsThroughSharedMemory() {
    return x11Window.SharesMemory();
}

}  // namespace Drobix::Platform::Sdl::Testing

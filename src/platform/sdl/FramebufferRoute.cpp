// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/FramebufferRoute.h"

#include <algorithm>
#include <cstring>

namespace Drobix::Platform::Sdl {

namespace {

// Only what changed is sent, and the whole window this often (ten seconds at 60 Hz), so that
// nothing the window system lost without telling stays wrong for long; lost pixels it does tell
// of are sent again at once. On an X server that cannot share memory with us the whole window
// goes through the connection, 3 MiB at 1024 x 768, which once a second cost more than
// everything else the program did between frames.
constexpr int kFullRepaintPresents = 600;

// Whether a surface takes the converted rows as they are: 32-bit words 0x??RRGGBB.
bool TakesXrgbWords(const SDL_PixelFormat* format) {
    return format->BytesPerPixel == 4 && format->Rmask == 0x00FF0000U &&
           format->Gmask == 0x0000FF00U && format->Bmask == 0x000000FFU;
}

bool TakesRgb565(const SDL_PixelFormat* format) {
    return format->BytesPerPixel == 2 && format->Rmask == 0xF800U && format->Gmask == 0x07E0U &&
           format->Bmask == 0x001FU;
}

// The frame fitted into width x height with its aspect kept, centred.
SDL_Rect FittedArea(int width, int height) {
    const int64_t widthByHeight = static_cast<int64_t>(width) * kFrameHeight;
    const int64_t heightByWidth = static_cast<int64_t>(height) * kFrameWidth;
    const int shownWidth =
        widthByHeight <= heightByWidth
            ? width
            : static_cast<int>(static_cast<int64_t>(height) * kFrameWidth / kFrameHeight);
    const int shownHeight =
        widthByHeight <= heightByWidth
            ? static_cast<int>(static_cast<int64_t>(width) * kFrameHeight / kFrameWidth)
            : height;
    return {(width - shownWidth) / 2, (height - shownHeight) / 2, shownWidth, shownHeight};
}

bool ShowsUnscaled(const SDL_Surface* surface) {
    const SDL_Rect area = FittedArea(surface->w, surface->h);
    return area.w == kFrameWidth && area.h == kFrameHeight;
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

}  // namespace

FramebufferRoute::FramebufferRoute(SDL_Window* window, WindowSystem system, bool shareMemory)
    : window_(window) {
    if (system == WindowSystem::X11) {
        x11Window_.Attach(window, shareMemory);
    } else if (system == WindowSystem::Wayland) {
        canvas_.Attach(window);
    }
}

FramebufferRoute::~FramebufferRoute() {
    FreeStaging();
    x11Window_.Detach();
    canvas_.Detach();
}

void FramebufferRoute::ForgetPresentedFrame() {
    frameChanges_.Invalidate();
    repaintWholeWindow_ = true;
}

std::string FramebufferRoute::Describe() const {
    if (canvas_.IsAttached()) {
        return "the window's framebuffer, scaled by the processor, through a streaming texture "
               "of the " +
               canvas_.RendererName() + " renderer";
    }
    if (!x11Window_.IsAttached()) {
        return "the window's framebuffer, scaled by the processor, through SDL's window surface";
    }
    return std::string("the window's framebuffer, scaled by the processor, sent to the X server ") +
           (x11Window_.SharesMemory() ? "through shared memory" : "through the connection");
}

// The X11 window's own pixels when the sender is attached, the canvas's when it is; SDL's
// window surface otherwise.
SDL_Surface* FramebufferRoute::WindowPixels() {
    if (!x11Window_.IsAttached() && !canvas_.IsAttached()) {
        return SDL_GetWindowSurface(window_);
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(window_, &width, &height);
    return x11Window_.IsAttached() ? x11Window_.Pixels(width, height)
                                   : canvas_.Pixels(width, height);
}

void FramebufferRoute::FreeStaging() {
    SDL_FreeSurface(staging_);
    staging_ = nullptr;
}

// The surface the frame is drawn into: the window's own where it takes 0x00RRGGBB words, or
// RGB565 at the frame's own size; otherwise the staging surface (null when none can be had).
SDL_Surface* FramebufferRoute::DrawingSurface(SDL_Surface* window) {
    if (TakesXrgbWords(window->format) || (TakesRgb565(window->format) && ShowsUnscaled(window))) {
        FreeStaging();
        return window;
    }
    if (staging_ == nullptr || staging_->w != window->w || staging_->h != window->h) {
        FreeStaging();
        staging_ =
            SDL_CreateRGBSurfaceWithFormat(0, window->w, window->h, 32, SDL_PIXELFORMAT_XRGB8888);
        // A new staging surface holds nothing yet, so all of it is drawn.
        scaledFor_ = nullptr;
    }
    return staging_;
}

// Fits the frame into the window with its aspect kept, clears the bars once, and prepares the
// scaling for that size.
void FramebufferRoute::PrepareScaling(SDL_Surface* window, SDL_Surface* drawing) {
    scaledFor_ = window;
    scaledWidth_ = window->w;
    scaledHeight_ = window->h;
    scaledArea_ = FittedArea(window->w, window->h);
    const int width = scaledArea_.w;
    const int height = scaledArea_.h;
    wholeFactor_ = width % kFrameWidth == 0 && height % kFrameHeight == 0 &&
                   width / kFrameWidth == height / kFrameHeight;
    rowScaler_.Prepare(kFrameWidth, width);
    sharpScaler_.Prepare(kFrameWidth, kFrameHeight, width, height);
    const auto rowPixels = static_cast<size_t>(std::max(width, 0));
    for (std::vector<uint32_t>& row : cachedRow_) {
        row.resize(rowPixels);
    }
    convertedRow_.resize(kFrameWidth);
    SDL_FillRect(drawing, nullptr, SDL_MapRGB(drawing->format, 0, 0, 0));
}

// True when the whole window is to be sent this time. A new or resized surface is drawn afresh;
// any other surface still holds the frames presented into it, in memory of our own, and is only
// sent again.
bool FramebufferRoute::TakeWholeWindowRepaint(SDL_Surface* window, SDL_Surface* drawing) {
    if (window != scaledFor_ || window->w != scaledWidth_ || window->h != scaledHeight_) {
        PrepareScaling(window, drawing);
        frameChanges_.Invalidate();
        repaintWholeWindow_ = true;
    }
    if (++presentsSinceFullRepaint_ >= kFullRepaintPresents) {
        repaintWholeWindow_ = true;
    }
    if (!repaintWholeWindow_) {
        return false;
    }
    repaintWholeWindow_ = false;
    presentsSinceFullRepaint_ = 0;
    return true;
}

// Frame row sourceY converted and scaled to the window's width (only its redrawn columns when
// not by a whole factor); kept for the rest of the present, since neighbouring window rows draw
// on the same frame rows.
const uint32_t* FramebufferRoute::ScaledFrameRow(const uint16_t* frame, int sourceY) {
    for (size_t slot = 0; slot < cachedSource_.size(); ++slot) {
        if (cachedSource_[slot] == sourceY && cachedColumns_[slot] == redrawnColumns_) {
            lastUsedSlot_ = static_cast<int>(slot);
            return cachedRow_[slot].data();
        }
    }
    // The row returned last may be the upper of the two a window row blends: it stays.
    const auto slot = static_cast<size_t>(1 - lastUsedSlot_);
    lastUsedSlot_ = static_cast<int>(slot);
    cachedSource_[slot] = sourceY;
    cachedColumns_[slot] = redrawnColumns_;
    const uint16_t* row = frame + static_cast<size_t>(sourceY) * kFrameWidth;
    uint32_t* scaled = cachedRow_[slot].data();
    if (wholeFactor_) {
        ConvertRgb565ToXrgb8888(row, convertedRow_.data(), kFrameWidth);
        rowScaler_.Scale(convertedRow_.data(), scaled);
    } else {
        const auto [left, right] =
            sharpScaler_.SourceColumns(redrawnColumns_.first, redrawnColumns_.second);
        ConvertRgb565ToXrgb8888(row + left, convertedRow_.data() + left, right - left);
        sharpScaler_.ScaleRow(convertedRow_.data(), scaled, redrawnColumns_.first,
                              redrawnColumns_.second);
    }
    return scaled;
}

// Fills the redrawn columns of the window row at target (the scaled area's left edge) with what
// window row y of the scaled area shows.
void FramebufferRoute::PresentRow(const uint16_t* frame, int y, uint32_t* target) {
    const SharpScaler::Taps& taps = sharpScaler_.RowTaps(y);
    const int first = redrawnColumns_.first;
    const int width = redrawnColumns_.second - first;
    uint32_t* row = target + first;
    const uint32_t* upper = ScaledFrameRow(frame, taps.first) + first;
    if (taps.weight == 0) {
        std::memcpy(row, upper, static_cast<size_t>(width) * 4);
    } else {
        const uint32_t* lower = ScaledFrameRow(frame, taps.second) + first;
        SharpScaler::BlendRows(upper, lower, taps.weight, row, width);
    }
}

// Extends the last rectangle when window row y follows it over the same columns, else starts a
// new one.
void FramebufferRoute::AddChangedRow(int y, int left, int width) {
    if (!changedRects_.empty() && changedRects_.back().y + changedRects_.back().h == y &&
        changedRects_.back().x == left && changedRects_.back().w == width) {
        ++changedRects_.back().h;
    } else {
        changedRects_.push_back({left, y, width, 1});
    }
}

// Only the window rows that draw on a changed frame row can have anything to present.
void FramebufferRoute::DrawScaled(const uint16_t* frame, SDL_Surface* surface) {
    const SDL_Rect& area = scaledArea_;
    auto* base = static_cast<uint8_t*>(surface->pixels);
    cachedSource_ = {-1, -1};
    const auto [changedTop, changedBottom] = frameChanges_.ChangedRows();
    const auto [firstRow, lastRow] = sharpScaler_.TargetRows(changedTop, changedBottom);
    for (int y = firstRow; y < lastRow; ++y) {
        const SharpScaler::Taps& taps = sharpScaler_.RowTaps(y);
        const RowSpan columns =
            Union(frameChanges_.Columns(taps.first), frameChanges_.Columns(taps.second));
        if (columns.left == columns.right) {
            continue;
        }
        redrawnColumns_ = sharpScaler_.TargetColumns(columns.left, columns.right);
        auto* target =
            reinterpret_cast<uint32_t*>(base + static_cast<size_t>(area.y + y) * surface->pitch) +
            area.x;
        PresentRow(frame, y, target);
        AddChangedRow(area.y + y, area.x + redrawnColumns_.first,
                      redrawnColumns_.second - redrawnColumns_.first);
    }
}

// A 16-bit window showing the frame at its own size takes its pixels as they are.
void FramebufferRoute::CopyUnscaled(const uint16_t* frame, SDL_Surface* surface) {
    const SDL_Rect& area = scaledArea_;
    auto* base = static_cast<uint8_t*>(surface->pixels);
    const auto [changedTop, changedBottom] = frameChanges_.ChangedRows();
    for (int y = changedTop; y < changedBottom; ++y) {
        const RowSpan columns = frameChanges_.Columns(y);
        if (columns.left == columns.right) {
            continue;
        }
        auto* target =
            reinterpret_cast<uint16_t*>(base + static_cast<size_t>(area.y + y) * surface->pitch) +
            area.x;
        std::memcpy(target + columns.left,
                    frame + static_cast<size_t>(y) * kFrameWidth + columns.left,
                    static_cast<size_t>(columns.right - columns.left) * sizeof(uint16_t));
        AddChangedRow(area.y + y, area.x + columns.left, columns.right - columns.left);
    }
}

// Converts what was drawn into the staging surface into the window's own format.
void FramebufferRoute::ConvertStaged(SDL_Surface* window, bool wholeWindow) {
    SDL_SetSurfaceBlendMode(staging_, SDL_BLENDMODE_NONE);
    if (wholeWindow) {
        SDL_BlitSurface(staging_, nullptr, window, nullptr);
        return;
    }
    for (const SDL_Rect& rect : changedRects_) {
        SDL_Rect target = rect;
        SDL_BlitSurface(staging_, &rect, window, &target);
    }
}

void FramebufferRoute::SendToWindow(SDL_Surface* window, bool wholeWindow) {
    const SDL_Rect all{0, 0, window->w, window->h};
    const auto rects =
        wholeWindow ? std::span<const SDL_Rect>(&all, 1) : std::span<const SDL_Rect>(changedRects_);
    if (x11Window_.IsAttached()) {
        x11Window_.Put(rects);
    } else if (canvas_.IsAttached()) {
        canvas_.Put(rects);
    } else if (wholeWindow) {
        SDL_UpdateWindowSurface(window_);
    } else if (!changedRects_.empty()) {
        SDL_UpdateWindowSurfaceRects(window_, changedRects_.data(),
                                     static_cast<int>(changedRects_.size()));
    }
}

void FramebufferRoute::Present(const uint16_t* frame, const ChangedSpans& changed) {
    SDL_Surface* window = WindowPixels();
    SDL_Surface* drawing = window != nullptr ? DrawingSurface(window) : nullptr;
    // A frame not drawn leaves its changes to the next one, which draws everything.
    if (drawing == nullptr) {
        frameChanges_.Invalidate();
        return;
    }
    const bool wholeWindow = TakeWholeWindowRepaint(window, drawing);
    if (SDL_MUSTLOCK(drawing) && SDL_LockSurface(drawing) != 0) {
        frameChanges_.Invalidate();
        return;
    }
    frameChanges_.Take(changed);
    changedRects_.clear();
    if (drawing->format->BytesPerPixel == 2) {
        CopyUnscaled(frame, drawing);
    } else {
        DrawScaled(frame, drawing);
    }
    if (SDL_MUSTLOCK(drawing)) {
        SDL_UnlockSurface(drawing);
    }
    if (drawing != window) {
        ConvertStaged(window, wholeWindow);
    }
    SendToWindow(window, wholeWindow);
}

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/RendererCanvas.h"

#include <cstdint>

namespace Drobix::Platform::Sdl {

RendererCanvas::~RendererCanvas() {
    Detach();
}

bool RendererCanvas::Attach(SDL_Window* window) {
    Detach();
    // No vertical sync: the pacer holds the frames, as it does for SDL's own window surface.
    renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    return renderer_ != nullptr;
}

void RendererCanvas::Detach() {
    FreePixels();
    if (renderer_ != nullptr) {
        SDL_DestroyRenderer(renderer_);
    }
    renderer_ = nullptr;
}

void RendererCanvas::FreePixels() {
    if (texture_ != nullptr) {
        SDL_DestroyTexture(texture_);
    }
    texture_ = nullptr;
    SDL_FreeSurface(pixels_);
    pixels_ = nullptr;
}

SDL_Surface* RendererCanvas::Pixels(int width, int height) {
    if (renderer_ == nullptr || width <= 0 || height <= 0) {
        return nullptr;
    }
    if (pixels_ != nullptr && pixels_->w == width && pixels_->h == height) {
        return pixels_;
    }
    FreePixels();
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 width, height);
    pixels_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_XRGB8888);
    if (texture_ == nullptr || pixels_ == nullptr) {
        FreePixels();
        return nullptr;
    }
    // Shown pixel for pixel: the texture is as large as the window's pixels.
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    return pixels_;
}

void RendererCanvas::Put(std::span<const SDL_Rect> rects) {
    // Nothing changed: the compositor keeps showing the window's last picture.
    if (texture_ == nullptr || rects.empty()) {
        return;
    }
    const auto* pixels = static_cast<const uint8_t*>(pixels_->pixels);
    for (const SDL_Rect& rect : rects) {
        const uint8_t* first = pixels + static_cast<ptrdiff_t>(rect.y) * pixels_->pitch +
                               static_cast<ptrdiff_t>(rect.x) * pixels_->format->BytesPerPixel;
        SDL_UpdateTexture(texture_, &rect, first, pixels_->pitch);
    }
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

std::string RendererCanvas::RendererName() const {
    SDL_RendererInfo info{};
    if (renderer_ == nullptr || SDL_GetRendererInfo(renderer_, &info) != 0) {
        return "no";
    }
    return info.name;
}

}  // namespace Drobix::Platform::Sdl

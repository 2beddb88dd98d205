// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/TextureRoute.h"

#include <algorithm>
#include <cstring>

#include "platform/Debug.h"

namespace Drobix::Platform::Sdl {

namespace {

constexpr uint32_t kGlRenderer = 0x1F01;

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

// Why the renderer made will not do for the route; empty when it will.
std::string Refusal(const SDL_RendererInfo& info, TextureRoute::Renderer wanted) {
    if (wanted == TextureRoute::Renderer::Software) {
        return {};
    }
    if ((info.flags & SDL_RENDERER_ACCELERATED) == 0) {
        return "the renderer is not accelerated";
    }
    if (wanted == TextureRoute::Renderer::Gpu && std::strncmp(info.name, "opengl", 6) == 0 &&
        IsEmulatedOpenGl()) {
        return "OpenGL is only emulated on the processor";
    }
    return {};
}

}  // namespace

std::unique_ptr<TextureRoute> TextureRoute::Create(SDL_Window* window, Renderer renderer,
                                                   std::string& whyNot) {
    std::unique_ptr<TextureRoute> route(new TextureRoute(window, renderer));
    whyNot = route->MakeRendererAndTexture();
    return whyNot.empty() ? std::move(route) : nullptr;
}

TextureRoute::~TextureRoute() {
    DestroyRendererAndTextures();
}

// The renderer and the frame's texture; why not, when they cannot be had or will not do.
std::string TextureRoute::MakeRendererAndTexture() {
    const uint32_t flags = wanted_ == Renderer::Software
                               ? SDL_RENDERER_SOFTWARE
                               : SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC;
    renderer_ = SDL_CreateRenderer(window_, -1, flags);
    if (renderer_ == nullptr) {
        return std::string("no renderer: ") + SDL_GetError();
    }
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer_, &info) != 0) {
        return "the renderer does not describe itself";
    }
    std::string refusal = Refusal(info, wanted_);
    if (!refusal.empty()) {
        return refusal;
    }
    rendererName_ = info.name;
    sync_ = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0 ? PresentSync::WaitsForRefresh
                                                          : PresentSync::Immediate;
    SDL_RenderSetLogicalSize(renderer_, kFrameWidth, kFrameHeight);
    texture_ = CreateFrameTexture();
    if (texture_ == nullptr) {
        return "no streaming texture";
    }
    return {};
}

void TextureRoute::DestroyRendererAndTextures() {
    DestroyEnlargedFrame();
    if (texture_ != nullptr) {
        SDL_DestroyTexture(texture_);
    }
    texture_ = nullptr;
    if (renderer_ != nullptr) {
        SDL_DestroyRenderer(renderer_);
    }
    renderer_ = nullptr;
}

// After a reset nothing made on the old device is trusted: the renderer and its textures are
// made afresh, and the frame then goes to them whole, as every present sends it.
void TextureRoute::MakeAgainAfterReset() {
    DestroyRendererAndTextures();
    const std::string whyNot = MakeRendererAndTexture();
    DebugOutput(whyNot.empty() ? "Rendering device reset: renderer and textures made again"
                               : "Rendering device reset: no renderer yet, " + whyNot);
    // Tried again at the next present until it works.
    deviceReset_ = !whyNot.empty();
}

std::string TextureRoute::Describe() const {
    return "a texture, scaled by the " + rendererName_ + " renderer" +
           (sync_ == PresentSync::WaitsForRefresh ? " with vertical sync" : "");
}

// The frame's own texture, copied pixel for pixel wherever it is scaled.
SDL_Texture* TextureRoute::CreateFrameTexture() {
    SDL_Texture* texture =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                          kFrameWidth, kFrameHeight);
    if (texture != nullptr) {
        SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    }
    return texture;
}

void TextureRoute::DestroyEnlargedFrame() {
    if (enlarged_ != nullptr) {
        SDL_DestroyTexture(enlarged_);
    }
    enlarged_ = nullptr;
    enlargedFactor_ = 0;
}

// Sharp bilinear on the GPU: the frame drawn by nearest neighbour into a texture of the whole
// factor, which is then drawn with linear filtering into the letterboxed area. At a whole factor
// the frame itself is shown, pixel for pixel. The frame itself when the enlarged texture cannot
// be had.
SDL_Texture* TextureRoute::EnlargedFrame() {
    if (SDL_GetRendererOutputSize(renderer_, &drawnSize_.x, &drawnSize_.y) != 0) {
        drawnSize_ = {};
        return texture_;
    }
    const int width = drawnSize_.x;
    const int height = drawnSize_.y;
    const int factor = std::max(1, std::min(width / kFrameWidth, height / kFrameHeight));
    // The frame fills the window's width or its height, whichever is reached first.
    const int shownWidth = std::min(width, height * kFrameWidth / kFrameHeight);
    if (shownWidth == factor * kFrameWidth) {
        DestroyEnlargedFrame();
        return texture_;
    }
    if (enlargedFactor_ != factor) {
        DestroyEnlargedFrame();
        enlarged_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                      kFrameWidth * factor, kFrameHeight * factor);
        if (enlarged_ == nullptr) {
            return texture_;
        }
        SDL_SetTextureScaleMode(enlarged_, SDL_ScaleModeLinear);
        enlargedFactor_ = factor;
    }
    if (SDL_SetRenderTarget(renderer_, enlarged_) != 0) {
        return texture_;
    }
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_SetRenderTarget(renderer_, nullptr);
    return enlarged_;
}

// The frame converted into the texture band by band; false when the texture took no pixels.
bool TextureRoute::UploadFrame(const uint16_t* frame) {
    if (texture_ == nullptr) {
        return false;
    }
    convertedBand_.resize(kConversionBandPixels);
    for (int top = 0; top < kFrameHeight; top += kConversionBandRows) {
        ConvertRgb565ToXrgb8888(frame + static_cast<size_t>(top) * kFrameWidth,
                                convertedBand_.data(), kConversionBandPixels);
        const SDL_Rect band{0, top, kFrameWidth, kConversionBandRows};
        if (SDL_UpdateTexture(texture_, &band, convertedBand_.data(),
                              kFrameWidth * static_cast<int>(sizeof(uint32_t))) != 0) {
            return false;
        }
    }
    return true;
}

void TextureRoute::Present(const uint16_t* frame, const ChangedSpans& /*changed*/) {
    if (deviceReset_) {
        MakeAgainAfterReset();
    }
    if (renderer_ == nullptr || !UploadFrame(frame)) {
        return;
    }
    SDL_Texture* shown = EnlargedFrame();
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, shown, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

}  // namespace Drobix::Platform::Sdl

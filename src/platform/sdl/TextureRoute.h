// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/sdl/FrameRoute.h"

namespace Drobix::Platform::Sdl {

// Frames through a streaming texture that a renderer scales into the window: a GPU where there
// is one. At a broken scale the frame is first enlarged by the whole factor (nearest), then
// scaled smoothly the rest of the way ("sharp bilinear").
class TextureRoute : public FrameRoute {
public:
    // Which renderer to take.
    enum class Renderer {
        // An accelerated one with vertical sync, refused where its OpenGL is only emulated on
        // the processor (the framebuffer route costs a fraction of that).
        Gpu,
        // An accelerated one even where its OpenGL is emulated (Mesa's software rasteriser): for
        // tests of this route where no GPU is.
        EmulatedGpu,
        // SDL's software renderer (tests).
        Software,
    };

    // The route for the window, or none, with why not in whyNot.
    static std::unique_ptr<TextureRoute> Create(SDL_Window* window, Renderer renderer,
                                                std::string& whyNot);
    TextureRoute(const TextureRoute&) = delete;
    TextureRoute& operator=(const TextureRoute&) = delete;
    ~TextureRoute() override;

    void Present(const uint16_t* frame, const ChangedSpans& changed) override;
    // Every present draws the whole window.
    void WindowChanged() override {}
    void ForgetPresentedFrame() override {}
    // The renderer and its textures are made again at the next present.
    void DeviceReset() override { deviceReset_ = true; }
    PresentSync GetPresentSync() const override { return sync_; }
    SDL_Point DrawnSize() const override { return drawnSize_; }
    std::string Describe() const override;

private:
    TextureRoute(SDL_Window* window, Renderer wanted) : window_(window), wanted_(wanted) {}
    std::string MakeRendererAndTexture();
    void DestroyRendererAndTextures();
    void MakeAgainAfterReset();
    SDL_Texture* CreateFrameTexture();
    bool UploadFrame(const uint16_t* frame);
    SDL_Texture* EnlargedFrame();
    void DestroyEnlargedFrame();

    SDL_Window* window_;
    Renderer wanted_;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::string rendererName_;
    PresentSync sync_ = PresentSync::Immediate;
    // The band of the frame being converted, on its way to the texture.
    std::vector<uint32_t> convertedBand_;
    // The frame enlarged by the whole factor, at a broken scale; none at a whole factor.
    SDL_Texture* enlarged_ = nullptr;
    int enlargedFactor_ = 0;
    SDL_Point drawnSize_{};
    // The renderer and its textures are to be made again (its device or targets were reset).
    bool deviceReset_ = false;
};

}  // namespace Drobix::Platform::Sdl

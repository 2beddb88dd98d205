// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/web/CanvasRoute.h"

#include <emscripten.h>

#include <algorithm>
#include <utility>

#include "platform/Presenter.h"

namespace Drobix::Platform::Sdl {

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000U;
// The canvas's size travels from the page as width * kSizeRadix + height.
constexpr int kSizeRadix = 65536;

// The canvas made as large in pixels as it is on the page times the device's pixel ratio, its
// size given back.
// clang-format off
EM_JS(int, drobix_fit_canvas_to_page, (), {
    const canvas = Module['canvas'];
    const ratio = window.devicePixelRatio || 1;
    const box = canvas.getBoundingClientRect();
    const width = Math.min(Math.max(Math.round(box.width * ratio), 1), 16384);
    const height = Math.min(Math.max(Math.round(box.height * ratio), 1), 16384);
    if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
    }
    return width * 65536 + height;
});
// clang-format on

// clang-format off
EM_JS(void, drobix_show_on_canvas, (const uint32_t* pixels, int width, int height), {
    const canvas = Module['canvas'];
    let shown = Module['drobixCanvasImage'];
    if (!shown || shown.canvas !== canvas || shown.image.width !== width ||
        shown.image.height !== height) {
        const context = canvas.getContext('2d');
        shown = {canvas: canvas, context: context, image: context.createImageData(width, height)};
        Module['drobixCanvasImage'] = shown;
    }
    shown.image.data.set(HEAPU8.subarray(pixels, pixels + width * height * 4));
    shown.context.putImageData(shown.image, 0, 0);
});
// clang-format on

// Gives way to the browser until its next animation frame; a hidden tab has none, so after a
// quarter of a second at most the game carries on (and sees the focus lost).
// clang-format off
EM_ASYNC_JS(void, drobix_wait_for_animation_frame, (), {
    await new Promise(function(resolve) {
        const timer = setTimeout(resolve, 250);
        requestAnimationFrame(function() {
            clearTimeout(timer);
            resolve();
        });
    });
});
// clang-format on

// clang-format off
EM_JS(void, drobix_tell_page_game_ended, (), {
    if (Module['drobixGameEnded']) {
        Module['drobixGameEnded']();
    }
});
// clang-format on

// The frame fitted into width x height with its aspect kept, centred.
SDL_Rect FittedArea(int width, int height) {
    const int64_t widthByHeight = static_cast<int64_t>(width) * kFrameHeight;
    const int64_t heightByWidth = static_cast<int64_t>(height) * kFrameWidth;
    if (widthByHeight <= heightByWidth) {
        const auto shown =
            static_cast<int>(static_cast<int64_t>(width) * kFrameHeight / kFrameWidth);
        return {0, (height - shown) / 2, width, shown};
    }
    const auto shown = static_cast<int>(static_cast<int64_t>(height) * kFrameWidth / kFrameHeight);
    return {(width - shown) / 2, 0, shown, height};
}

bool AnyChanged(const ChangedSpans& changed) {
    return std::any_of(changed.begin(), changed.end(),
                       [](const RowSpan& span) { return span.left != span.right; });
}

// 0xAARRGGBB to the canvas's byte order R, G, B, A, opaque.
uint32_t CanvasPixel(uint32_t pixel) {
    return kOpaqueBlack | ((pixel >> 16) & 0xFFU) | (pixel & 0xFF00U) | ((pixel & 0xFFU) << 16);
}

}  // namespace

CanvasRoute::~CanvasRoute() {
    drobix_tell_page_game_ended();
}

void CanvasRoute::Present(const uint16_t* frame, const ChangedSpans& changed) {
    const int size = drobix_fit_canvas_to_page();
    const int width = size / kSizeRadix;
    const int height = size % kSizeRadix;
    if (width != width_ || height != height_) {
        Prepare(width, height);
    }
    if (redraw_ || AnyChanged(changed)) {
        Draw(frame);
        drobix_show_on_canvas(canvas_.data(), width_, height_);
        redraw_ = false;
    }
    drobix_wait_for_animation_frame();
}

void CanvasRoute::Prepare(int width, int height) {
    width_ = width;
    height_ = height;
    area_ = FittedArea(width, height);
    scaler_.Prepare(kFrameWidth, kFrameHeight, area_.w, area_.h);
    source_.resize(kFramePixels);
    for (std::vector<uint32_t>& row : scaledRows_) {
        row.assign(static_cast<size_t>(area_.w), 0);
    }
    scaledRowSources_[0] = scaledRowSources_[1] = -1;
    blended_.assign(static_cast<size_t>(area_.w), 0);
    canvas_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), kOpaqueBlack);
    redraw_ = true;
}

const uint32_t* CanvasRoute::ScaledRow(int sourceY, int slot) {
    for (int kept = 0; kept < 2; ++kept) {
        if (scaledRowSources_[kept] == sourceY) {
            return scaledRows_[kept].data();
        }
    }
    scaler_.ScaleRow(&source_[static_cast<size_t>(sourceY) * kFrameWidth], scaledRows_[slot].data(),
                     0, area_.w);
    scaledRowSources_[slot] = sourceY;
    return scaledRows_[slot].data();
}

void CanvasRoute::Draw(const uint16_t* frame) {
    ConvertRgb565ToXrgb8888(frame, source_.data(), kFramePixels);
    scaledRowSources_[0] = scaledRowSources_[1] = -1;
    for (int y = 0; y < area_.h; ++y) {
        const SharpScaler::Taps& taps = scaler_.RowTaps(y);
        // The upper row in one slot, the lower in the other, so that neither evicts the other.
        const uint32_t* upper = ScaledRow(taps.first, taps.first % 2);
        const uint32_t* row = upper;
        if (taps.weight != 0) {
            const uint32_t* lower = ScaledRow(taps.second, taps.second % 2);
            SharpScaler::BlendRows(upper, lower, taps.weight, blended_.data(), area_.w);
            row = blended_.data();
        }
        uint32_t* target = &canvas_[static_cast<size_t>(area_.y + y) * static_cast<size_t>(width_) +
                                    static_cast<size_t>(area_.x)];
        std::transform(row, row + area_.w, target, CanvasPixel);
    }
}

}  // namespace Drobix::Platform::Sdl

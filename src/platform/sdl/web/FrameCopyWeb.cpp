// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten.h>

#include "platform/sdl/FrameCopy.h"

namespace Drobix::Platform::Sdl {

namespace {

// The functions' bodies are JavaScript, run by the page.

// Whether the page's address asks for the tests' frame copy ("?test").
// clang-format off
EM_JS(int, drobix_page_is_tested, (), {
    return new URLSearchParams(window.location.search).has('test') ? 1 : 0;
});
// clang-format on

// window.drobixFrameCopy(): the frame last presented as { count: presents so far, width, height,
// rgba }, each RGB565 channel widened as the desktop's presents widen it. A page script runs
// only while a present waits for the browser's next animation frame, with its frame already on
// the canvas: that present counts as made. The pixels are converted when first read, for waits
// that only look at the count.
// clang-format off
EM_JS(void, drobix_offer_frame_copy, (const uint8_t* copy, int width, int height), {
    function widened(copyStart) {
        const pixels = width * height;
        const frame = HEAPU16.subarray(copyStart >> 1, (copyStart >> 1) + pixels);
        const rgba = new Uint8Array(pixels * 4);
        for (let i = 0; i < pixels; ++i) {
            const pixel = frame[i];
            const red = pixel >> 11;
            const green = (pixel >> 5) & 63;
            const blue = pixel & 31;
            rgba[4 * i] = (red << 3) | (red >> 2);
            rgba[4 * i + 1] = (green << 2) | (green >> 4);
            rgba[4 * i + 2] = (blue << 3) | (blue >> 2);
            rgba[4 * i + 3] = 255;
        }
        return rgba;
    }
    window['drobixFrameCopy'] = function() {
        const count = HEAPU32[copy >> 2] + HEAPU32[(copy >> 2) + 1] * 4294967296;
        let rgba = null;
        return {
            count: Math.ceil(count / 2),
            width: width,
            height: height,
            get rgba() {
                rgba = rgba || widened(copy + 8);
                return rgba;
            },
        };
    };
});

EM_JS(void, drobix_withdraw_frame_copy, (), {
    delete window['drobixFrameCopy'];
});
// clang-format on

}  // namespace

// In memory of its own, read by the page's function.
void FrameCopy::OpenFromEnvironment() {
    Close();
    if (drobix_page_is_tested() == 0) {
        return;
    }
    // NOLINTNEXTLINE(cppcoreguidelines-owning-memory): freed by Close, as the mapped views are.
    mapped_ = new uint8_t[kFileBytes]();
    drobix_offer_frame_copy(mapped_, kFrameWidth, kFrameHeight);
}

void FrameCopy::Close() {
    if (mapped_ == nullptr) {
        return;
    }
    drobix_withdraw_frame_copy();
    // NOLINTNEXTLINE(cppcoreguidelines-owning-memory): made by OpenFromEnvironment.
    delete[] mapped_;
    mapped_ = nullptr;
}

}  // namespace Drobix::Platform::Sdl

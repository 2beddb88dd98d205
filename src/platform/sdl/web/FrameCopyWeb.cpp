// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten.h>

#include "platform/sdl/FrameCopy.h"

namespace Drobix::Platform::Sdl {

namespace {

// Whether the page's address asks for the tests' frame copy ("?test").
EM_JS(int, drobix_page_is_tested, (), {
    return new URLSearchParams(window.location.search).has('test') ? 1 : 0;
});

// window.drobixFrameCopy(): the frame last presented as { count: presents so far, width, height,
// rgba }, each RGB565 channel widened as the desktop's presents widen it. The count is read as
// it stands between two presents, which is whenever a page script runs.
EM_JS(void, drobix_offer_frame_copy, (const uint8_t* copy, int width, int height), {
    window['drobixFrameCopy'] = function() {
        const pixels = width * height;
        const frame = HEAPU16.subarray((copy + 8) >> 1, ((copy + 8) >> 1) + pixels);
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
        const count = HEAPU32[copy >> 2] + HEAPU32[(copy >> 2) + 1] * 4294967296;
        return {count : count / 2, width : width, height : height, rgba : rgba};
    };
});

EM_JS(void, drobix_withdraw_frame_copy, (), { delete window['drobixFrameCopy']; });

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

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/FrameCopy.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "platform/Presenter.h"

namespace Drobix::Platform::Sdl {

namespace {

constexpr size_t kCountBytes = sizeof(uint64_t);
constexpr size_t kPixelBytes = static_cast<size_t>(kFramePixels) * sizeof(uint16_t);

}  // namespace

FrameCopy::~FrameCopy() {
    Close();
}

void FrameCopy::Begin(const uint16_t* frame) {
    if (mapped_ == nullptr) {
        return;
    }
    auto* count = reinterpret_cast<uint64_t*>(mapped_);
    ++*count;
    std::atomic_thread_fence(std::memory_order_release);
    std::memcpy(mapped_ + kCountBytes, frame, kPixelBytes);
}

void FrameCopy::End() {
    if (mapped_ == nullptr) {
        return;
    }
    std::atomic_thread_fence(std::memory_order_release);
    ++*reinterpret_cast<uint64_t*>(mapped_);
}

}  // namespace Drobix::Platform::Sdl

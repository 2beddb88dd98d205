// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/FrameCopy.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "platform/Presenter.h"

namespace Drobix::Platform::Sdl {

namespace {

constexpr const char* kFrameCopyVariable = "DROBIX_FRAME_COPY";
constexpr size_t kCountBytes = sizeof(uint64_t);
constexpr size_t kPixelBytes = static_cast<size_t>(kFramePixels) * sizeof(uint16_t);
constexpr size_t kFileBytes = kCountBytes + kPixelBytes;
constexpr mode_t kFileMode = 0600;

}  // namespace

FrameCopy::~FrameCopy() {
    Close();
}

void FrameCopy::OpenFromEnvironment() {
    Close();
    const char* path = std::getenv(kFrameCopyVariable);
    if (path == nullptr || path[0] == '\0') {
        return;
    }
    const int file = open(path, O_RDWR | O_CREAT | O_CLOEXEC, kFileMode);
    if (file < 0) {
        return;
    }
    if (ftruncate(file, static_cast<off_t>(kFileBytes)) == 0) {
        void* address = mmap(nullptr, kFileBytes, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
        if (address != MAP_FAILED) {
            mapped_ = static_cast<uint8_t*>(address);
        }
    }
    close(file);
}

void FrameCopy::Close() {
    if (mapped_ != nullptr) {
        munmap(mapped_, kFileBytes);
    }
    mapped_ = nullptr;
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

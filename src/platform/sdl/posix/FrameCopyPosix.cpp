// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/sdl/FrameCopy.h"

namespace Drobix::Platform::Sdl {

namespace {

constexpr mode_t kFileMode = 0600;

}  // namespace

void FrameCopy::OpenFromEnvironment() {
    Close();
    const char* path = std::getenv(kVariable);
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

}  // namespace Drobix::Platform::Sdl

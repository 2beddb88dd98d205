// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <cstdlib>

#include "platform/sdl/FrameCopy.h"

namespace Drobix::Platform::Sdl {

// A view of the file, shared with whoever else maps it (the picture checks of the tests).
void FrameCopy::OpenFromEnvironment() {
    Close();
    const char* path = std::getenv(kVariable);
    if (path == nullptr || path[0] == '\0') {
        return;
    }
    HANDLE file =
        CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READWRITE, 0,
                                        static_cast<DWORD>(kFileBytes), nullptr);
    if (mapping != nullptr) {
        mapped_ = static_cast<uint8_t*>(
            MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, kFileBytes));
        CloseHandle(mapping);
    }
    CloseHandle(file);
}

void FrameCopy::Close() {
    if (mapped_ != nullptr) {
        UnmapViewOfFile(mapped_);
    }
    mapped_ = nullptr;
}

}  // namespace Drobix::Platform::Sdl

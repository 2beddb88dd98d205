// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "platform/sdl/GpuPresence.h"

namespace Drobix::Platform::Sdl {

namespace {

constexpr const char* kRenderNodeFolder = "/dev/dri";
constexpr std::string_view kRenderNodePrefix = "renderD";

}  // namespace

const char* const kGpuFoundReason = "a GPU render node is there";

// Making a renderer maps an OpenGL driver (about 50 MiB, most of the program's memory), and
// where there is no render node that driver could only emulate a GPU and would be refused anyway.
bool SystemOffersGpu(std::string& whyNot) {
    const char* software = std::getenv("LIBGL_ALWAYS_SOFTWARE");
    if (software != nullptr && software[0] != '\0' && std::string_view(software) != "0") {
        whyNot = "LIBGL_ALWAYS_SOFTWARE asks for software rendering";
        return false;
    }
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kRenderNodeFolder, error)) {
        if (entry.path().filename().string().starts_with(kRenderNodePrefix)) {
            return true;
        }
    }
    whyNot = "no GPU render node";
    return false;
}

}  // namespace Drobix::Platform::Sdl

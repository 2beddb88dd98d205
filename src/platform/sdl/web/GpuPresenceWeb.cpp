// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/GpuPresence.h"

namespace Drobix::Platform::Sdl {

const char* const kGpuFoundReason = "the page offers WebGL";

// The page's canvas takes the frame scaled by our own code (web/CanvasRoute.cpp): a WebGL
// renderer would only add a second copy.
bool SystemOffersGpu(std::string& whyNot) {
    whyNot = "the page draws on its canvas";
    return false;
}

}  // namespace Drobix::Platform::Sdl

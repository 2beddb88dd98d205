// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether the system offers a GPU to render with, asked before any renderer is made: on Linux a
// DRM render node and no request for software rendering (posix/GpuPresencePosix.cpp), on
// Windows a display adapter that is not a software one (windows/GpuPresenceWindows.cpp). Where
// there is none, a renderer could only emulate a GPU on the processor.

#include <string>

namespace Drobix::Platform::Sdl {

// What --verbose says when the texture route was taken for a GPU.
extern const char* const kGpuFoundReason;

// True when there is one; otherwise false and, in whyNot, why not.
bool SystemOffersGpu(std::string& whyNot);

}  // namespace Drobix::Platform::Sdl

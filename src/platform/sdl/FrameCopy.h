// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Presenter.h"

namespace Drobix::Platform::Sdl {

// For tests that compare what a display server shows with what the game drew: the frame being
// presented, copied into a file that the test maps (DROBIX_FRAME_COPY names it). The file holds
// a 64-bit count of presents begun and ended, odd while a present is under way, and then the
// frame's RGB565 pixels. A test that stops the program and finds the count even knows that the
// server was handed exactly the frame in the file.
class FrameCopy {
public:
    FrameCopy() = default;
    FrameCopy(const FrameCopy&) = delete;
    FrameCopy& operator=(const FrameCopy&) = delete;
    ~FrameCopy();

    // Maps the file the environment names, if it names one (per system: posix/, windows/).
    void OpenFromEnvironment();
    void Close();
    // Around each present: the count made odd and the frame copied, then the count made even.
    void Begin(const uint16_t* frame);
    void End();

    // The file's size: the count, then the frame's pixels.
    static constexpr size_t kFileBytes =
        sizeof(uint64_t) + static_cast<size_t>(kFramePixels) * sizeof(uint16_t);
    // The variable that names the file.
    static constexpr const char* kVariable = "DROBIX_FRAME_COPY";

private:
    uint8_t* mapped_ = nullptr;
};

}  // namespace Drobix::Platform::Sdl

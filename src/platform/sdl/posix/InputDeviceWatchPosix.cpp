// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/InputDeviceWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>

namespace Drobix::Platform::Sdl {

namespace {

constexpr const char* kDeviceFolder = "/dev/input";
constexpr size_t kEventBufferBytes = 4096;

}  // namespace

InputDeviceWatch::~InputDeviceWatch() {
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}

bool InputDeviceWatch::TakeChanges() {
    if (!started_) {
        started_ = true;
        descriptor_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (descriptor_ >= 0 &&
            inotify_add_watch(descriptor_, kDeviceFolder, IN_CREATE | IN_DELETE | IN_ATTRIB) < 0) {
            close(descriptor_);
            descriptor_ = -1;
        }
        return true;
    }
    if (descriptor_ < 0) {
        return false;
    }
    std::array<char, kEventBufferBytes> events{};
    bool changed = false;
    while (read(descriptor_, events.data(), events.size()) > 0) {
        changed = true;
    }
    return changed;
}

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The advisory lock that copies of the program take on a folder while one of them saves a file
// in it, so that no copy takes another's save in progress for debris. The lock leaves no file
// behind. One file per operating system: posix/SaveLockPosix.cpp locks the folder itself,
// windows/SaveLockWindows.cpp a file in it that goes with the lock.

#include <cstdint>
#include <string>

namespace Drobix::Platform {

class SaveLock {
public:
    enum class Wait {
        // Until the copy that holds the lock lets it go.
        UntilFree,
        // Not at all: a lock another copy holds is not taken.
        Never,
    };

    // Takes the lock on the folder at path (a link to a folder is followed). Anything but a
    // folder there, or a lock that cannot be taken, leaves it not held; nothing ever blocks but
    // the wait asked for.
    SaveLock(const std::string& folder, Wait wait);
    // Lets the lock go.
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    bool IsHeld() const { return handle_ != kNoHandle; }

private:
    static constexpr intptr_t kNoHandle = -1;
    // The open folder, in the operating system's own terms.
    intptr_t handle_ = kNoHandle;
};

}  // namespace Drobix::Platform

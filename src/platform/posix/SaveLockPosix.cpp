// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/SaveLock.h"

namespace Drobix::Platform {

namespace {

// The folder at path, open for the lock; -1 when there is none. Only a folder is ever opened,
// so whatever else stands there cannot hang the open.
int OpenFolder(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOCTTY | O_CLOEXEC);
}

bool TakeLock(int fd, SaveLock::Wait wait) {
    const int operation = LOCK_EX | (wait == SaveLock::Wait::Never ? LOCK_NB : 0);
    int result = 0;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

}  // namespace

SaveLock::SaveLock(const std::string& folder, Wait wait) {
    const int fd = OpenFolder(folder);
    if (fd < 0) {
        return;
    }
    if (!TakeLock(fd, wait)) {
        ::close(fd);
        return;
    }
    handle_ = fd;
}

// Closing the folder lets the lock go.
SaveLock::~SaveLock() {
    if (IsHeld()) {
        ::close(static_cast<int>(handle_));
    }
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include "platform/SaveLock.h"
#include "platform/windows/WideText.h"

namespace Drobix::Platform {

namespace {

// Windows cannot lock a folder: a file in it stands for the lock, opened without sharing so
// that no other copy opens it at once, and deleted as its handle closes, also when the process
// is killed. Its name is none a save of any file gives its temporary files.
constexpr std::string_view kLockFileName = "/drobix-saving.lock";
constexpr DWORD kRetryMilliseconds = 10;
// A file another copy has just let go of is briefly "delete pending", which refuses an open as
// access denied; past this many tries the folder itself refuses.
constexpr int kMaxDeniedTries = 100;

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

HANDLE OpenLockFile(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                       nullptr);
}

}  // namespace

SaveLock::SaveLock(const std::string& folder, Wait wait) {
    if (!IsFolder(Windows::WidePath(folder))) {
        return;
    }
    const std::wstring path = Windows::WidePath(folder + std::string(kLockFileName));
    for (int denied = 0;;) {
        const HANDLE file = OpenLockFile(path);
        if (file != INVALID_HANDLE_VALUE) {
            handle_ = reinterpret_cast<intptr_t>(file);
            return;
        }
        const DWORD error = GetLastError();
        const bool busy = error == ERROR_SHARING_VIOLATION ||
                          (error == ERROR_ACCESS_DENIED && ++denied < kMaxDeniedTries);
        if (wait == Wait::Never || !busy) {
            return;
        }
        Sleep(kRetryMilliseconds);
    }
}

// Closing the file lets the lock go and deletes the file.
SaveLock::~SaveLock() {
    if (IsHeld()) {
        // The header keeps the handle as a number, as it keeps a POSIX system's descriptor.
        // NOLINTNEXTLINE(performance-no-int-to-ptr)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/stat.h>

#include <map>
#include <set>

#include "platform/SaveLock.h"
#include "platform/web/StoragePullWeb.h"

namespace Drobix::Platform {

namespace {

// The browser's file systems lock nothing, and one program alone reaches its files (a tab's
// storage is its own copy until written through): the locks are kept in the program, by
// folder, and a folder already locked is refused as another copy's lock would be. Waiting for
// it could never end in a program of one thread, so it is not taken then either. Other tabs
// write the same IndexedDB: taking the lock first brings their saves in, so that the save that
// follows merges with them instead of writing over them.
struct HeldLocks {
    std::set<std::string> folders;
    std::map<intptr_t, std::string> byHandle;
    intptr_t nextHandle = 0;
};

HeldLocks& Held() {
    static HeldLocks held;
    return held;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

SaveLock::SaveLock(const std::string& folder, Wait /*wait*/) {
    HeldLocks& held = Held();
    if (held.folders.contains(folder)) {
        return;
    }
    PullLatestSaves();
    if (!IsFolder(folder)) {
        return;
    }
    held.folders.insert(folder);
    handle_ = held.nextHandle++;
    held.byHandle.emplace(handle_, folder);
}

SaveLock::~SaveLock() {
    if (IsHeld()) {
        HeldLocks& held = Held();
        const auto entry = held.byHandle.find(handle_);
        held.folders.erase(entry->second);
        held.byHandle.erase(entry);
    }
}

}  // namespace Drobix::Platform

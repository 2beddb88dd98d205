// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/StoragePullWeb.h"

#include <emscripten.h>

// The page's storage script (src/platform/web/storage.js) does the pulling; 0 where it is absent.
EM_JS(int, drobix_start_pull, (), {
    if (!Module["drobixPullSaves"]) {
        return 0;
    }
    Module["drobixPullSaves"]();
    return 1;
});

EM_JS(int, drobix_pulls_pending, (), { return Module["drobixPullsPending"]; });

namespace Drobix::Platform {

namespace {

// IndexedDB answers within a few of the browser's turns; each look hands it one.
constexpr unsigned kPollMs = 1;

}  // namespace

void PullLatestSaves() {
    if (drobix_start_pull() == 0) {
        return;
    }
    // One thread: the wait gives the browser its turn back (the page's module is built with
    // ASYNCIFY), so that IndexedDB can answer while the save waits.
    while (drobix_pulls_pending() > 0) {
        emscripten_sleep(kPollMs);
    }
}

}  // namespace Drobix::Platform

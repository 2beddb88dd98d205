// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix::Platform {

// Brings this tab's copy of the lasting storage up to what IndexedDB holds now, once this tab's
// own writes have reached it, so that a save merges with what other tabs saved since this one
// started. Returns at once without the page's storage script (drobix-replay under node, on a
// file system that every run shares).
void PullLatestSaves();

}  // namespace Drobix::Platform

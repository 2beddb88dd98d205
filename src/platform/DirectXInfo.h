// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the DirectX check reads. One implementation for both backends:
// common/DirectXInfoCommon.cpp, over the system's own sources in posix/DirectXInfoPosix.cpp or
// windows/DirectXInfoWindows.cpp.

#include <cstdint>
#include <optional>
#include <string>

namespace Drobix::Platform {

// What the DirectX diagnostics component reports; a value it could not give is absent.
struct DiagnosticsAnswer {
    std::optional<uint32_t> major;
    std::optional<uint32_t> minor;
    std::optional<std::string> letter;
};

// The two sources the DirectX check reads. On Windows they are the system's own; elsewhere this
// layer stands in for DirectX 7.0: the diagnostics answer 7, 0 and a blank letter, and there is
// no system folder of DirectX files.
struct DirectXInfoSource {
    DiagnosticsAnswer (*queryDiagnostics)();
    // The folder of the system files; absent when there is none.
    std::optional<std::string> (*systemDirectory)();
    // The file's version record as a.b.c.d packed 16 bits each, a on top; absent when the file
    // is missing or has no record.
    std::optional<uint64_t> (*fileVersion)(const std::string& path);
};

// The sources the check reads now (the system's, unless a test put others in their place).
const DirectXInfoSource& GetDirectXInfoSource();

// The system's own sources.
const DirectXInfoSource& SystemDirectXInfoSource();

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Drobix {

// Result codes as the DirectX interfaces give them.
constexpr int32_t kResultOk = 0;
constexpr auto kResultFail = static_cast<int32_t>(0x80004005U);
constexpr auto kResultInvalidArgument = static_cast<int32_t>(0x80070057U);

// Versions below this are refused at start-up (DirectX 7.0).
constexpr uint32_t kLowestAcceptedDirectX = 0x70000;

// The installed DirectX release, from the diagnostics component or, failing that, from the
// versions of system files: packed as (major << 16) | (minor << 8) | letter index (a = 1), and
// as text such as "9.0c", cut to textSize with its last byte 0. Either output may be null.
int32_t DetectDirectXVersion(uint32_t* packedVersion, char* text, int textSize);

// A file version a.b.c.d, 16 bits each, a in the top bits.
uint64_t PackFileVersion(uint32_t a, uint32_t b, uint32_t c, uint32_t d);
// 1, 0 or -1 as first is greater than, equal to or smaller than second.
int CompareFileVersions(uint64_t first, uint64_t second);
// kResultOk with the file's version; kResultInvalidArgument for a null argument, kResultFail
// when the file has no version record.
int32_t ReadFileVersion(const char* path, uint64_t* version);

}  // namespace Drobix

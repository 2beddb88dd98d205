// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The built-in resources. One implementation for both backends: common/ResourcesCommon.cpp, with
// the release of pages per system in posix/ResourcePagesPosix.cpp and
// windows/ResourcePagesWindows.cpp.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace Drobix::Platform {

// The bytes of a built-in resource by id and type ("JPG", "PNG", "OGG", "ICON", and "STRING"
// for the strings); empty when there is no such resource. The bytes live as long as the
// program.
std::span<const uint8_t> FindResource(int id, std::string_view type);

// A built-in resource just decoded will not be read again until its next load: the memory pages
// wholly inside it may leave the process's resident memory. They are read back from the program
// file when next touched, so the bytes stay valid. Nothing happens for an unknown resource.
void ReleaseResourcePages(int id, std::string_view type);

// A built-in string resource (Windows-1252 bytes); nothing when there is no such string.
std::optional<std::string> LoadStringResource(int id);

}  // namespace Drobix::Platform

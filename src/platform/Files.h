// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The files the program keeps (the data file, the settings file), in the system's own calls.
// One implementation per system: posix/FilesPosix.cpp, windows/FilesWindows.cpp. Paths are
// UTF-8; '/' separates folders on every system.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace Drobix::Platform {

// What is at a path, links followed.
enum class FileKind { Missing, Regular, Other, Unknown };

FileKind GetFileKind(const std::string& path);

// The file's first maxBytes bytes, or nothing when it cannot be opened. Only a regular file is
// ever opened, and without blocking, so a FIFO or a device at the path cannot hang the game.
std::optional<std::vector<uint8_t>> ReadFileBounded(const std::string& path, size_t maxBytes);

// The path with every symbolic link followed to the file it names, which need not exist yet.
// Nothing when the links loop or cannot be read.
std::optional<std::string> ResolveSymbolicLinks(const std::string& path);

// Writes a temporary file beside path, makes it durable and renames it over path, so a failure
// at any point leaves the old file as it was. The new file keeps the old one's permissions. A
// file we may not write, or anything but a regular file, is left alone. False when nothing was
// replaced.
bool ReplaceFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

// Makes one folder (its parent must exist): true when it was made or already is a folder.
// ownerOnly: only this user may enter it, where the system has such permissions.
bool MakeFolder(const std::string& path, bool ownerOnly);

// Removes a file; a file that is not there is no fault.
void RemoveFile(const std::string& path);

}  // namespace Drobix::Platform

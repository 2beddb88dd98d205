// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The files the program keeps (the data file, the settings file), in the system's own calls: a
// bounded read of a regular file, a lock that copies of the game take before they write the
// settings file, and a replacement that never leaves a half-written file. One implementation per
// system: posix/FilesPosix.cpp, windows/FilesWindows.cpp. Paths are UTF-8; '/' separates folders
// on every system.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Drobix::Platform {

// The file's first maxBytes bytes, or nothing when it cannot be opened. Only a regular file is
// ever opened, and without blocking, so a FIFO or a device at the path cannot hang the game.
std::optional<std::vector<uint8_t>> ReadFileBounded(const std::string& path, size_t maxBytes);

// What reading a file whole found.
enum class FileReadStatus { Read, Missing, NotRegular, TooLarge, Failed };

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Failed;
    std::string bytes;
    // The system's reason where the read failed.
    std::string reason;
};

// The whole of a regular file of at most maxBytes, opened without blocking, so that a FIFO or a
// device in its place never hangs the program.
FileReadResult ReadRegularFile(const std::string& path, size_t maxBytes);

// The path with every symbolic link followed to the file it names, which need not exist yet.
// Nothing when the links loop or cannot be read.
std::optional<std::string> ResolveSymbolicLinks(const std::string& path);

// An advisory lock on a file beside the one it guards (its path with ".lock" after it), held
// until destroyed; every copy of the game takes it before it reads the file to write it.
class FileLock {
public:
    explicit FileLock(const std::string& guardedPath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Nothing when the lock is held; otherwise the system's reason.
    const std::optional<std::string>& Failure() const { return failure_; }

private:
    static constexpr intptr_t kNoHandle = -1;
    // The open lock file, in the operating system's own terms.
    intptr_t handle_ = kNoHandle;
    std::optional<std::string> failure_;
};

// Replaces the file with bytes at once: written beside it (unnamed where the system offers
// that), made durable, then given its name, so that a kill at any moment leaves either the old
// file or the new one. The new file keeps the old one's permissions (owner-only when there was
// none). A file that may not be written, or anything but a regular file, is left alone. Nothing
// on success; otherwise the system's reason.
std::optional<std::string> ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// Removes what a replacement of the file killed half-way left beside it: only regular files
// named as ReplaceFileAtomically names its own (the file's name, a dot, six letters or digits).
// Call it only while no other copy replaces the file.
void RemoveUnfinishedReplacements(const std::string& path);

// Makes one folder (its parent must exist). Nothing when it was made or already is a folder;
// otherwise the system's reason. ownerOnly: only this user may enter it, where the system has
// such permissions.
std::optional<std::string> MakeFolder(const std::string& path, bool ownerOnly);

// Removes a file; a file that is not there is no fault.
void RemoveFile(const std::string& path);

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the settings file needs of the operating system: a bounded read of a regular file, a
// lock that copies of the game take before they write, and a replacement that never leaves a
// half-written file. One implementation per system: posix/FileAccessPosix.cpp.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace Drobix::Platform {

// What reading a file found.
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
    int handle_ = -1;
    std::optional<std::string> failure_;
};

// Replaces the file with bytes at once: written unnamed beside it, then given its name, so that
// a kill at any moment leaves either the old file or the new one. The new file keeps the old
// one's mode (0600 when there was none). A file that may not be written is left alone. Nothing
// on success; otherwise the system's reason.
std::optional<std::string> ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// Removes what a replacement of the file killed half-way left beside it: only files named as
// ReplaceFileAtomically names its own (the file's name, a dot, six letters or digits). Call it
// only while holding the file's lock.
void RemoveUnfinishedReplacements(const std::string& path);

// Makes the folder when it is missing; its parent must exist. Nothing on success (also when it
// was there); otherwise the system's reason.
std::optional<std::string> MakeFolder(const std::string& path);

void RemoveFile(const std::string& path);

}  // namespace Drobix::Platform

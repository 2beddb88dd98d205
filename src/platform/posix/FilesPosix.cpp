// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <filesystem>

#include "platform/Files.h"

namespace Drobix::Platform {

namespace {

// The kernel's own limit on links followed in one lookup.
constexpr int kMaxLinkHops = 40;
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kOwnerOnlyFolderMode = 0700;
constexpr mode_t kSharedFolderMode = 0777;

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            return false;
        }
        written += static_cast<size_t>(result);
    }
    return true;
}

// Up to maxBytes from the file's start; nothing on a read error.
std::optional<std::vector<uint8_t>> ReadAll(int fd, size_t maxBytes) {
    std::vector<uint8_t> bytes(maxBytes);
    size_t count = 0;
    while (count < maxBytes) {
        const ssize_t result = ::read(fd, bytes.data() + count, maxBytes - count);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result < 0) {
            return std::nullopt;
        }
        if (result == 0) {
            break;
        }
        count += static_cast<size_t>(result);
    }
    bytes.resize(count);
    return bytes;
}

}  // namespace

FileKind GetFileKind(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? FileKind::Missing : FileKind::Unknown;
    }
    return S_ISREG(info.st_mode) ? FileKind::Regular : FileKind::Other;
}

std::optional<std::vector<uint8_t>> ReadFileBounded(const std::string& path, size_t maxBytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    // Checked again on the open file: the path may have changed since.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<std::vector<uint8_t>> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        bytes = ReadAll(fd, maxBytes);
    }
    ::close(fd);
    return bytes;
}

std::optional<std::string> ResolveSymbolicLinks(const std::string& path) {
    std::filesystem::path current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current.string();
        }
        std::array<char, PATH_MAX> target{};
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<size_t>(length) >= target.size()) {
            return std::nullopt;
        }
        // A relative link is relative to the folder that holds it.
        current = current.parent_path() / std::string(target.data(), static_cast<size_t>(length));
    }
    return std::nullopt;
}

bool ReplaceFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    // Renaming needs only the folder's permission; the file's own is the player's word.
    if (exists && (!S_ISREG(existing.st_mode) ||
                   ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)) {
        return false;
    }
    std::string tempPath = path + ".XXXXXX";
    const int fd = ::mkstemp(tempPath.data());
    if (fd < 0) {
        return false;
    }
    const bool written = (!exists || ::fchmod(fd, existing.st_mode & kPermissionBits) == 0) &&
                         WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(tempPath.c_str(), path.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    return true;
}

bool MakeFolder(const std::string& path, bool ownerOnly) {
    if (::mkdir(path.c_str(), ownerOnly ? kOwnerOnlyFolderMode : kSharedFolderMode) == 0) {
        return true;
    }
    struct stat info {};
    return errno == EEXIST && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void RemoveFile(const std::string& path) {
    ::unlink(path.c_str());
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <dirent.h>
#include <emscripten.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>

#include "platform/Files.h"
#include "platform/web/StoragePullWeb.h"

// The page's storage lives in the browser's IndexedDB, mirrored in memory: after each replacement
// the page's script (src/platform/web/storage.js) writes the mirror through. Without that script
// (drobix-replay under node, on the real file system) there is nothing to write through.
EM_JS(void, drobix_write_saves_through, (), {
    if (Module["drobixWriteSavesThrough"]) {
        Module["drobixWriteSavesThrough"]();
    }
});

namespace Drobix::Platform {

namespace {

constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kNewFileMode = 0600;
constexpr mode_t kOwnerOnlyFolderMode = 0700;
constexpr mode_t kSharedFolderMode = 0777;
// The kernel's own limit on links followed in one lookup.
constexpr int kMaxLinkHops = 40;
constexpr std::string_view kLockSuffix = ".lock";
// mkstemp's pattern: the name, a dot and six letters or digits.
constexpr std::string_view kTemporarySuffix = ".XXXXXX";
constexpr size_t kTemporaryLetters = 6;
constexpr std::string_view kNameLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string SystemReason(int error) {
    return std::strerror(error);
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now, so that a failing close is seen.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> WriteAll(int fd, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            return SystemReason(result < 0 ? errno : ENOSPC);
        }
        written += static_cast<size_t>(result);
    }
    return std::nullopt;
}

// The bytes, the mode and the flush of a new file's contents.
std::optional<std::string> FillFile(int fd, mode_t mode, std::string_view bytes) {
    if (::fchmod(fd, mode) != 0) {
        return SystemReason(errno);
    }
    if (auto failure = WriteAll(fd, bytes)) {
        return failure;
    }
    if (::fsync(fd) != 0) {
        return SystemReason(errno);
    }
    return std::nullopt;
}

// The new contents under a temporary name beside path, or the system's reason. The browser's
// file systems have no unnamed files: the file is named from the start.
std::optional<std::string> WriteTemporary(const std::string& path, mode_t mode,
                                          std::string_view bytes, std::string& name) {
    name = path + std::string(kTemporarySuffix);
    Descriptor named(::mkstemp(name.data()));
    if (named.Get() < 0) {
        return SystemReason(errno);
    }
    auto failure = FillFile(named.Get(), mode, bytes);
    if (!failure && !named.Close()) {
        failure = SystemReason(errno);
    }
    if (failure) {
        ::unlink(name.c_str());
    }
    return failure;
}

bool IsTemporaryName(std::string_view entry, std::string_view name) {
    if (entry.size() != name.size() + 1 + kTemporaryLetters || !entry.starts_with(name) ||
        entry[name.size()] != '.') {
        return false;
    }
    return entry.substr(name.size() + 1).find_first_not_of(kNameLetters) == std::string::npos;
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

std::optional<std::vector<uint8_t>> ReadFileBounded(const std::string& path, size_t maxBytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    // Checked again on the open file: the path may have changed since.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return ReadAll(fd.Get(), maxBytes);
}

FileReadResult ReadRegularFile(const std::string& path, size_t maxBytes) {
    FileReadResult result;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (fd.Get() < 0) {
        const int error = errno;
        // A FIFO with no writer opens; a path that cannot be opened may still be no file.
        const bool exists = ::stat(path.c_str(), &info) == 0;
        result.status = error == ENOENT                    ? FileReadStatus::Missing
                        : exists && !S_ISREG(info.st_mode) ? FileReadStatus::NotRegular
                                                           : FileReadStatus::Failed;
        result.reason = SystemReason(error);
        return result;
    }
    if (::fstat(fd.Get(), &info) != 0) {
        result.reason = SystemReason(errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.status = FileReadStatus::NotRegular;
        return result;
    }
    std::string bytes(maxBytes + 1, '\0');
    size_t count = 0;
    while (count < bytes.size()) {
        const ssize_t got = ::read(fd.Get(), bytes.data() + count, bytes.size() - count);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            result.reason = SystemReason(errno);
            return result;
        }
        if (got == 0) {
            break;
        }
        count += static_cast<size_t>(got);
    }
    bytes.resize(count);
    result.status = count > maxBytes ? FileReadStatus::TooLarge : FileReadStatus::Read;
    result.bytes = std::move(bytes);
    return result;
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

// One program alone reaches its files: a tab's storage is its own copy until it is written
// through, and drobix-replay runs one at a time. The lock file is made as elsewhere, so a data
// folder looks the same after a run on every system. Other tabs' saves are brought in first, so
// that the file edited under the lock is the latest any tab wrote.
FileLock::FileLock(const std::string& guardedPath) {
    PullLatestSaves();
    const std::string lockPath = guardedPath + std::string(kLockSuffix);
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOCTTY | O_CLOEXEC, kNewFileMode);
    if (fd < 0) {
        failure_ = SystemReason(errno);
        return;
    }
    handle_ = fd;
}

FileLock::~FileLock() {
    if (handle_ != kNoHandle) {
        ::close(static_cast<int>(handle_));
    }
}

std::optional<std::string> ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    struct stat existing {};
    mode_t mode = kNewFileMode;
    if (::stat(path.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) {
            return std::string("it is not a regular file");
        }
        // Renaming needs only the folder's permission; the file's own is the player's word.
        if (::access(path.c_str(), W_OK) != 0) {
            return SystemReason(errno);
        }
        mode = existing.st_mode & kPermissionBits;
    }
    std::string temporary;
    if (auto failure = WriteTemporary(path, mode, bytes, temporary)) {
        return failure;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return SystemReason(error);
    }
    drobix_write_saves_through();
    return std::nullopt;
}

void RemoveUnfinishedReplacements(const std::string& path) {
    const std::string folder = FolderOf(path);
    const std::string name = NameOf(path);
    DIR* entries = ::opendir(folder.c_str());
    if (entries == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        struct stat info {};
        const std::string found = folder + "/" + entry->d_name;
        // Only regular files of our own pattern: never a link, a folder or anything else.
        if (IsTemporaryName(entry->d_name, name) && ::lstat(found.c_str(), &info) == 0 &&
            S_ISREG(info.st_mode)) {
            ::unlink(found.c_str());
        }
    }
    ::closedir(entries);
}

std::optional<std::string> MakeFolder(const std::string& path, bool ownerOnly) {
    if (::mkdir(path.c_str(), ownerOnly ? kOwnerOnlyFolderMode : kSharedFolderMode) == 0) {
        return std::nullopt;
    }
    const int error = errno;
    struct stat info {};
    if (error != EEXIST) {
        return SystemReason(error);
    }
    if (::stat(path.c_str(), &info) != 0) {
        return SystemReason(errno);
    }
    return S_ISDIR(info.st_mode) ? std::nullopt : std::optional(SystemReason(ENOTDIR));
}

void RemoveFile(const std::string& path) {
    ::unlink(path.c_str());
}

}  // namespace Drobix::Platform

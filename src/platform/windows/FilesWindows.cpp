// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "platform/Files.h"
#include "platform/windows/WideText.h"

namespace Drobix::Platform {

namespace {

// ReadFile and WriteFile move at most this much in one call.
constexpr size_t kMaxChunkBytes = 1U << 30U;

// Closes a file handle when it goes.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        const bool closed = !IsOpen() || CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool IsRegularFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) != 0 &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WriteAll(HANDLE file, std::span<const uint8_t> bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - written, kMaxChunkBytes));
        DWORD done = 0;
        if (WriteFile(file, bytes.data() + written, chunk, &done, nullptr) == 0 || done == 0) {
            return false;
        }
        written += done;
    }
    return true;
}

// Up to maxBytes from the file's start; nothing on a read error.
std::optional<std::vector<uint8_t>> ReadAll(HANDLE file, size_t maxBytes) {
    std::vector<uint8_t> bytes(maxBytes);
    size_t count = 0;
    while (count < maxBytes) {
        const auto chunk = static_cast<DWORD>(std::min(maxBytes - count, kMaxChunkBytes));
        DWORD done = 0;
        if (ReadFile(file, bytes.data() + count, chunk, &done, nullptr) == 0) {
            return std::nullopt;
        }
        if (done == 0) {
            break;
        }
        count += done;
    }
    bytes.resize(count);
    return bytes;
}

// A name beside the target that no other save, of this process or another, uses at once.
std::wstring TemporaryPathBeside(const std::wstring& path) {
    static std::atomic<unsigned> counter{0};
    return path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(counter.fetch_add(1)) + L".tmp";
}

}  // namespace

FileKind GetFileKind(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Windows::WidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileKind::Missing
                                                                              : FileKind::Unknown;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ? FileKind::Regular : FileKind::Other;
}

std::optional<std::vector<uint8_t>> ReadFileBounded(const std::string& path, size_t maxBytes) {
    FileHandle file(CreateFileW(Windows::WidePath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen() || !IsRegularFile(file.Get())) {
        return std::nullopt;
    }
    return ReadAll(file.Get(), maxBytes);
}

// Windows follows its links itself in every call that opens or replaces a file.
std::optional<std::string> ResolveSymbolicLinks(const std::string& path) {
    return path;
}

bool ReplaceFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    const std::wstring target = Windows::WidePath(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    // A read-only file is the player's word, as is anything but a file.
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        return false;
    }
    const std::wstring temporary = TemporaryPathBeside(target);
    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        return false;
    }
    const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get()) != 0;
    const bool closed = file.Close();
    if (!written || !closed ||
        MoveFileExW(temporary.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

// Folders inherit their permissions from the folder above on Windows: ownerOnly changes nothing
// (a user's own application-data folder is private already).
bool MakeFolder(const std::string& path, bool /*ownerOnly*/) {
    const std::wstring folder = Windows::WidePath(path);
    if (CreateDirectoryW(folder.c_str(), nullptr) != 0) {
        return true;
    }
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void RemoveFile(const std::string& path) {
    DeleteFileW(Windows::WidePath(path).c_str());
}

}  // namespace Drobix::Platform

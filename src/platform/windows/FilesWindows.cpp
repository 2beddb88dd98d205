// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>

#include "platform/Files.h"
#include "platform/windows/WideText.h"

namespace Drobix::Platform {

namespace {

// ReadFile and WriteFile move at most this much in one call.
constexpr size_t kMaxChunkBytes = 1U << 30U;
constexpr std::string_view kLockSuffix = ".lock";
// The temporary file's name: the file's name, a dot and six letters or digits, as on every system.
constexpr size_t kTemporaryLetters = 6;
constexpr int kNameAttempts = 100;
constexpr std::wstring_view kNameLetters =
    L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

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

// The system's words for an error, on one line.
std::string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason = length == 0 ? "error " + std::to_string(error)
                                     : Windows::Utf8FromWide(std::wstring_view(text, length));
    LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                               reason.back() == ' ' || reason.back() == '.')) {
        reason.pop_back();
    }
    std::replace_if(
        reason.begin(), reason.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return reason;
}

bool IsRegularFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) != 0 &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Where the last separator stands in a path of either separator; npos when there is none.
size_t LastSeparator(std::wstring_view path) {
    return path.find_last_of(L"/\\");
}

std::optional<std::string> WriteAll(HANDLE file, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - written, kMaxChunkBytes));
        DWORD done = 0;
        if (WriteFile(file, bytes.data() + written, chunk, &done, nullptr) == 0) {
            return SystemReason(GetLastError());
        }
        if (done == 0) {
            return SystemReason(ERROR_DISK_FULL);
        }
        written += done;
    }
    return std::nullopt;
}

// Up to maxBytes from the file's start; nothing on a read error, with the error in error.
template <typename Bytes>
std::optional<Bytes> ReadAll(HANDLE file, size_t maxBytes, DWORD& error) {
    Bytes bytes(maxBytes, 0);
    size_t count = 0;
    while (count < maxBytes) {
        const auto chunk = static_cast<DWORD>(std::min(maxBytes - count, kMaxChunkBytes));
        DWORD done = 0;
        if (ReadFile(file, bytes.data() + count, chunk, &done, nullptr) == 0) {
            error = GetLastError();
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

std::wstring RandomTemporaryName(const std::wstring& path) {
    static std::mt19937 generator{std::random_device{}() ^ GetCurrentProcessId() ^
                                  static_cast<unsigned>(GetTickCount64())};
    std::uniform_int_distribution<size_t> pick(0, kNameLetters.size() - 1);
    std::wstring name = path + L".";
    for (size_t i = 0; i < kTemporaryLetters; ++i) {
        name += kNameLetters[pick(generator)];
    }
    return name;
}

// A new file of a free temporary name beside path, open for writing; its name in name.
HANDLE CreateTemporary(const std::wstring& path, std::wstring& name, DWORD& error) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = RandomTemporaryName(path);
        const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        error = GetLastError();
        if (file != INVALID_HANDLE_VALUE ||
            (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool IsTemporaryName(std::wstring_view entry, std::wstring_view name) {
    if (entry.size() != name.size() + 1 + kTemporaryLetters || !entry.starts_with(name) ||
        entry[name.size()] != L'.') {
        return false;
    }
    return entry.substr(name.size() + 1).find_first_not_of(kNameLetters) == std::wstring::npos;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadFileBounded(const std::string& path, size_t maxBytes) {
    FileHandle file(CreateFileW(Windows::WidePath(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen() || !IsRegularFile(file.Get())) {
        return std::nullopt;
    }
    DWORD error = 0;
    return ReadAll<std::vector<uint8_t>>(file.Get(), maxBytes, error);
}

FileReadResult ReadRegularFile(const std::string& path, size_t maxBytes) {
    FileReadResult result;
    const std::wstring wide = Windows::WidePath(path);
    FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        const DWORD error = GetLastError();
        // A folder cannot be opened as a file; it is there all the same.
        result.status = IsMissing(error) ? FileReadStatus::Missing
                        : IsFolder(wide) ? FileReadStatus::NotRegular
                                         : FileReadStatus::Failed;
        result.reason = SystemReason(error);
        return result;
    }
    if (!IsRegularFile(file.Get())) {
        result.status = FileReadStatus::NotRegular;
        return result;
    }
    DWORD error = 0;
    auto bytes = ReadAll<std::string>(file.Get(), maxBytes + 1, error);
    if (!bytes) {
        result.reason = SystemReason(error);
        return result;
    }
    result.status = bytes->size() > maxBytes ? FileReadStatus::TooLarge : FileReadStatus::Read;
    result.bytes = std::move(*bytes);
    return result;
}

// Windows follows its links itself in every call that opens or replaces a file.
std::optional<std::string> ResolveSymbolicLinks(const std::string& path) {
    return path;
}

FileLock::FileLock(const std::string& guardedPath) {
    const std::wstring lockPath = Windows::WidePath(guardedPath + std::string(kLockSuffix));
    const HANDLE file = CreateFileW(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        failure_ = SystemReason(GetLastError());
        return;
    }
    handle_ = reinterpret_cast<intptr_t>(file);
    OVERLAPPED whole{};
    // Waits while another copy holds it.
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole) == 0) {
        failure_ = SystemReason(GetLastError());
    }
}

FileLock::~FileLock() {
    if (handle_ != kNoHandle) {
        // Closing lets go of the lock.
        // The header keeps the handle as a number, as it keeps a POSIX system's descriptor.
        // NOLINTNEXTLINE(performance-no-int-to-ptr)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

std::optional<std::string> ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::wstring target = Windows::WidePath(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return std::string("it is not a regular file");
        }
        // A read-only file is the player's word.
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            return SystemReason(ERROR_ACCESS_DENIED);
        }
    }
    std::wstring temporary;
    DWORD error = 0;
    FileHandle file(CreateTemporary(target, temporary, error));
    if (!file.IsOpen()) {
        return SystemReason(error);
    }
    auto failure = WriteAll(file.Get(), bytes);
    if (!failure && FlushFileBuffers(file.Get()) == 0) {
        failure = SystemReason(GetLastError());
    }
    if (!file.Close() && !failure) {
        failure = SystemReason(GetLastError());
    }
    if (!failure && MoveFileExW(temporary.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        failure = SystemReason(GetLastError());
    }
    if (failure) {
        DeleteFileW(temporary.c_str());
    }
    return failure;
}

void RemoveUnfinishedReplacements(const std::string& path) {
    const std::wstring wide = Windows::WidePath(path);
    const size_t separator = LastSeparator(wide);
    const std::wstring folder =
        separator == std::wstring::npos ? std::wstring(L".") : wide.substr(0, separator);
    const std::wstring name = separator == std::wstring::npos ? wide : wide.substr(separator + 1);
    WIN32_FIND_DATAW found{};
    const std::wstring pattern = folder + L"\\" + name + L".*";
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        // Only files of our own pattern: never a link, a folder or anything else.
        const bool plainFile = (found.dwFileAttributes &
                                (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
        if (plainFile && IsTemporaryName(found.cFileName, name)) {
            DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        }
    } while (FindNextFileW(search, &found) != 0);
    FindClose(search);
}

// Folders inherit their permissions from the folder above on Windows: ownerOnly changes nothing
// (a user's own application-data folder is private already).
std::optional<std::string> MakeFolder(const std::string& path, bool /*ownerOnly*/) {
    const std::wstring folder = Windows::WidePath(path);
    if (CreateDirectoryW(folder.c_str(), nullptr) != 0) {
        return std::nullopt;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS) {
        return IsFolder(folder) ? std::nullopt : std::optional(SystemReason(ERROR_DIRECTORY));
    }
    return SystemReason(error);
}

void RemoveFile(const std::string& path) {
    DeleteFileW(Windows::WidePath(path).c_str());
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/WindowModeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <span>

#include "platform/DataFolder.h"
#include "storage/SettingsFile.h"

namespace Drobix {

namespace {

constexpr std::string_view kFolderName = "/drobix";
constexpr std::string_view kFileName = "/window-mode";
constexpr std::string_view kFullscreenText = "fullscreen";
constexpr std::string_view kWindowText = "window";
// The longest word and its line end fit; a longer file is not one of ours.
constexpr size_t kMaxFileBytes = 16;
constexpr mode_t kFolderMode = 0700;

std::optional<std::string> ReadSmallRegularFile(const std::string& path) {
    // Non-blocking, so that a named pipe put in its place cannot hold the program up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat status {};
    std::array<char, kMaxFileBytes + 1> buffer{};
    ssize_t count = -1;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        count = ::read(fd, buffer.data(), buffer.size());
    }
    ::close(fd);
    if (count < 0 || static_cast<size_t>(count) > kMaxFileBytes) {
        return std::nullopt;
    }
    return std::string(buffer.data(), static_cast<size_t>(count));
}

}  // namespace

std::optional<std::string> WindowModeFilePath() {
    const auto folder = Platform::GetConfigFolder();
    if (!folder) {
        return std::nullopt;
    }
    return *folder + std::string(kFolderName) + std::string(kFileName);
}

std::optional<SavedWindowMode> ParseWindowMode(std::string_view text) {
    if (text.ends_with('\n')) {
        text.remove_suffix(1);
    }
    if (text == kFullscreenText) {
        return SavedWindowMode::Fullscreen;
    }
    if (text == kWindowText) {
        return SavedWindowMode::Window;
    }
    return std::nullopt;
}

std::string_view WindowModeText(SavedWindowMode mode) {
    switch (mode) {
        case SavedWindowMode::Fullscreen:
            return kFullscreenText;
        case SavedWindowMode::Window:
            return kWindowText;
    }
    return kFullscreenText;
}

SavedWindowMode LoadWindowMode() {
    const auto path = WindowModeFilePath();
    const auto text = path ? ReadSmallRegularFile(*path) : std::nullopt;
    return text ? ParseWindowMode(*text).value_or(SavedWindowMode::Fullscreen)
                : SavedWindowMode::Fullscreen;
}

bool SaveWindowMode(SavedWindowMode mode) {
    const auto folder = Platform::GetConfigFolder();
    if (!folder) {
        return false;
    }
    const std::string drobixFolder = *folder + std::string(kFolderName);
    // The configuration folder itself may be missing on a fresh account.
    ::mkdir(folder->c_str(), kFolderMode);
    ::mkdir(drobixFolder.c_str(), kFolderMode);
    const std::string text = std::string(WindowModeText(mode)) + "\n";
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return ReplaceFile(drobixFolder + std::string(kFileName), std::span(bytes, text.size()));
}

}  // namespace Drobix

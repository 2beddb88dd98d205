// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/LeftoverSaves.h"

#include <algorithm>
#include <system_error>

#include "platform/SaveLock.h"

namespace Drobix {

namespace {

// What mkstemp puts in place of its XXXXXX.
constexpr size_t kTemporarySuffixLength = 6;

bool IsLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

bool IsLeftoverSaveName(std::string_view name, std::string_view fileName) {
    if (name.size() != fileName.size() + 1 + kTemporarySuffixLength ||
        !name.starts_with(fileName) || name[fileName.size()] != '.') {
        return false;
    }
    const std::string_view suffix = name.substr(fileName.size() + 1);
    return std::all_of(suffix.begin(), suffix.end(), IsLetterOrDigit);
}

size_t RemoveLeftoverSaves(const std::filesystem::path& file) {
    const Platform::SaveLock lock(file.parent_path().string(), Platform::SaveLock::Wait::Never);
    if (!lock.IsHeld()) {
        return 0;
    }
    const std::string fileName = file.filename().string();
    std::error_code error;
    std::filesystem::directory_iterator entries(file.parent_path(), error);
    size_t removed = 0;
    for (const auto end = std::filesystem::directory_iterator(); !error && entries != end;
         entries.increment(error)) {
        const std::filesystem::directory_entry& entry = *entries;
        std::error_code ignored;
        // The entry itself, not what a link there names: a save never makes a link.
        const bool regular =
            entry.symlink_status(ignored).type() == std::filesystem::file_type::regular;
        if (regular && IsLeftoverSaveName(entry.path().filename().string(), fileName) &&
            std::filesystem::remove(entry.path(), ignored)) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace Drobix {

// A save writes a temporary file beside its file, named after it with a dot and six letters or
// digits, and renames it over the file; a copy killed between the two leaves the temporary file.
// Every save of the file holds the lock on the file's folder (platform/SaveLock.h) while it runs.

// Whether name is that of such a temporary file of the file named fileName.
bool IsLeftoverSaveName(std::string_view name, std::string_view fileName);

// Removes the temporary files of file's saves that stand in its own folder, and nothing else: no
// other name, nothing but regular files, no other folder. Only while no copy of the program
// saves the file (the folder's lock taken without waiting); nothing otherwise. The count
// removed.
size_t RemoveLeftoverSaves(const std::filesystem::path& file);

}  // namespace Drobix

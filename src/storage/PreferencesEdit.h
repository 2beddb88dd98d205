// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Drobix {

// One entry's new value: the table's name ("" for the top level), the key, and the value as
// TOML writes it ("5", "true", "\"window\"", "[ \"Up\", \"Z\" ]").
struct EntryEdit {
    std::string table;
    std::string key;
    std::string value;
};

// The settings file's text as a person left it, with only the given entries' values replaced
// where they stand, or added at the end of their table (a table that is not there yet is added
// at the end of the file). Comments, blank lines, order, unknown entries and damaged lines stay
// as they were; an entry whose value is damaged is left as it is and the new one added after its
// table's last entry. The text is read once, from start to end.
std::string EditSettingsText(std::string_view text, std::span<const EntryEdit> edits);

}  // namespace Drobix

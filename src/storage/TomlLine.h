// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <toml++/toml.h>
#include <optional>
#include <string>
#include <string_view>

namespace Drobix {

// One line of a damaged settings file read alone: the table it makes, or, when it is no TOML on
// its own, the parser's message.
struct TomlLine {
    std::optional<toml::table> table;
    std::string fault;
};

// Reads the line (with its line end) without throwing: a damaged file may have thousands of
// damaged lines, and a thrown error costs several times what reading the line does.
TomlLine ReadTomlLine(std::string_view line);

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// This file alone reads TOML without exceptions: the parser is compiled in here for that, in
// the library's own namespace for it, beside the shared library that the rest uses.
#undef TOML_HEADER_ONLY
#undef TOML_SHARED_LIB
#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0

#include "storage/TomlLine.h"

#include "storage/QuickTomlLine.h"

namespace Drobix {

TomlLine ReadTomlLine(std::string_view line) {
    if (const auto damage = HeaderWithoutKey(line)) {
        return {std::nullopt, damage->Text()};
    }
    std::string withEnd(line);
    withEnd += '\n';
    toml::parse_result result = toml::parse(withEnd);
    if (!result) {
        return {std::nullopt, std::string(result.error().description())};
    }
    return {std::move(result).table(), {}};
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// ReadTomlLine where toml++ comes as headers alone (the cross build), in place of
// storage/TomlLine.cpp: the headers give their parser's inner functions one name with and
// without exceptions, so a parser without them beside the rest's would be whichever the linker
// kept. The line's message is the same; only its cost differs.

#include "storage/TomlLine.h"

#include "storage/QuickTomlLine.h"

namespace Drobix {

TomlLine ReadTomlLine(std::string_view line) {
    if (const auto damage = HeaderWithoutKey(line)) {
        return {std::nullopt, damage->Text()};
    }
    std::string withEnd(line);
    withEnd += '\n';
    try {
        return {toml::parse(withEnd), {}};
    } catch (const toml::parse_error& error) {
        return {std::nullopt, std::string(error.description())};
    }
}

}  // namespace Drobix

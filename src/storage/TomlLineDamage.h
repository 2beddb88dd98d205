// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Drobix {

// Why toml++ refuses a line read alone, in its own words: the description up to the character
// it saw, that character as it writes one, and the closing quote when it names one.
struct LineDamage {
    std::string_view description;
    std::string_view saw;

    std::string Text() const;
};

// The damage of a line (without its line end) that toml++ would refuse at once, found without
// parsing it: a line that starts with what starts nothing, a lone "[", a key with no "=" or no
// value, a string left open. Nothing for every other line, damaged or not, which toml++ reads:
// a damaged file's short lines are read many times faster so, and each message is the parser's.
std::optional<LineDamage> QuickLineDamage(std::string_view line);

}  // namespace Drobix

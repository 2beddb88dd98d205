// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Strings.h"

#include "ResourceIds.h"
#include "strings/TextTable.h"

namespace Drobix::AssetGen {

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::string_view English(TextId id) {
    return kTextTable[static_cast<std::size_t>(id)].english;
}

}  // namespace

// The game's English texts, with the small font's key symbols as its single bytes.
std::string HelpText() {
    std::string text;
    for (const TextId paragraph :
         {TextId::HelpParagraph1, TextId::HelpParagraph2, TextId::HelpParagraph3,
          TextId::HelpParagraph4, TextId::HelpParagraph5, TextId::HelpParagraph6}) {
        text.append(text.empty() ? "" : "\n\n").append(English(paragraph));
    }
    return text;
}

std::string CreditsText() {
    return std::string(English(TextId::Credits));
}

std::vector<Asset> MakeStrings() {
    return {
        {ResourceId::kHelpText, "STRING", "help.txt", Bytes(HelpText())},
        {ResourceId::kCreditsText, "STRING", "credits.txt", Bytes(CreditsText())},
    };
}

}  // namespace Drobix::AssetGen

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogues.h"

#include <array>
#include <string_view>
#include <vector>

#include "strings/TextTable.h"

namespace Drobix::AssetGen {

namespace {

// The texts outside the game, in the desktop entry and the software centre's description, as
// packaging/ writes them in English.
constexpr std::array<TextEntry, 7> kPackagingTexts{{
    {TextId::Count, "", "Drobix",
     "Desktop entry's Name: the game's name in menus. Keep it unless your script writes it "
     "otherwise."},
    {TextId::Count, "", "Falling-Blocks Puzzle",
     "Desktop entry's GenericName: the kind of program, shown under its name in menus."},
    {TextId::Count, "", "Fit the falling blocks together and clear the rows they fill",
     "Desktop entry's Comment (a menu's tooltip) and the software centre's one-line summary; "
     "no full stop."},
    {TextId::Count, "", "blocks;puzzle;rows;arcade;",
     "Desktop entry's Keywords: search words, each followed by a semicolon; keep the English "
     "ones and add your language's."},
    {TextId::Count, "",
     "Blocks of square cells fall one at a time into a well of 20 rows by 10 columns. Move "
     "them left and right, turn them, let them fall faster or drop them at once. A completed "
     "row disappears and the rows above move down.",
     "Software centre's description, paragraph 1 of 3."},
    {TextId::Count, "",
     "Quick placements and completed rows score points, more for several rows at once and at "
     "higher levels; every 10 rows raise the level and the speed with it. Options add rubbish "
     "rows at the start, pick the starting level, the set of shapes (7, 9 or 14), the preview "
     "of the next block and fixed or random colours. The five best scores are kept with their "
     "players' names.",
     "Software centre's description, paragraph 2 of 3."},
    {TextId::Count, "", "Play it with the keyboard or with a gamepad.",
     "Software centre's description, paragraph 3 of 3."},
}};

// REUSE-IgnoreStart (the template's own licence lines)
constexpr std::string_view kHeader =
    "# Drobix's texts for translators. Made by tools/assetgen from src/strings/TextTable.h;\n"
    "# do not edit by hand. A translation starts as a copy named after its language (de.po).\n"
    "# SPDX-FileCopyrightText: 2026 The Drobix developers\n"
    "# SPDX-License-Identifier: GPL-3.0-or-later\n"
    "#\n"
    "#, fuzzy\n"
    "msgid \"\"\n"
    "msgstr \"\"\n"
    "\"Project-Id-Version: drobix\\n\"\n"
    "\"Report-Msgid-Bugs-To: \\n\"\n"
    "\"PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\\n\"\n"
    "\"Last-Translator: FULL NAME <EMAIL@ADDRESS>\\n\"\n"
    "\"Language-Team: LANGUAGE <LL@li.org>\\n\"\n"
    "\"Language: \\n\"\n"
    "\"MIME-Version: 1.0\\n\"\n"
    "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
    "\"Content-Transfer-Encoding: 8bit\\n\"\n";
// REUSE-IgnoreEnd

// gettext's line length: longer strings are split after spaces into quoted pieces.
constexpr std::size_t kPieceLength = 70;

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (ch == '\n') {
            out += "\\n";
        } else {
            out += ch;
        }
    }
    return out;
}

std::string Field(std::string_view keyword, std::string_view text) {
    const std::string escaped = Escaped(text);
    std::string out(keyword);
    if (escaped.size() <= kPieceLength) {
        out.append(" \"").append(escaped).append("\"\n");
        return out;
    }
    out.append(" \"\"\n");
    std::size_t start = 0;
    while (start < escaped.size()) {
        std::size_t end = escaped.size();
        if (end - start > kPieceLength) {
            const std::size_t space = escaped.rfind(' ', start + kPieceLength);
            end = space != std::string::npos && space > start ? space + 1 : start + kPieceLength;
        }
        out.append("\"").append(escaped, start, end - start).append("\"\n");
        start = end;
    }
    return out;
}

// The note as extracted comments, wrapped like the strings.
std::string Note(std::string_view note) {
    std::string out;
    std::string line;
    std::size_t start = 0;
    while (start < note.size()) {
        std::size_t end = note.find(' ', start);
        if (end == std::string_view::npos) {
            end = note.size();
        }
        const std::string_view word = note.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > kPieceLength + 5) {
            out.append("#. ").append(line).append("\n");
            line.clear();
        }
        line.append(line.empty() ? "" : " ").append(word);
        start = end + 1;
    }
    if (!line.empty()) {
        out.append("#. ").append(line).append("\n");
    }
    return out;
}

std::string Entry(const TextEntry& entry) {
    std::string out = "\n";
    out += Note(entry.note);
    const std::string english = CatalogueKey({entry.id, "", entry.english, ""});
    if (english.find('%') != std::string::npos) {
        out += "#, c-format\n";
    }
    if (!entry.context.empty()) {
        out += Field("msgctxt", entry.context);
    }
    out += Field("msgid", english);
    out += "msgstr \"\"\n";
    return out;
}

}  // namespace

std::string TranslationTemplate() {
    std::string text(kHeader);
    for (const TextEntry& entry : kTextTable) {
        text += Entry(entry);
    }
    for (const TextEntry& entry : kPackagingTexts) {
        text += Entry(entry);
    }
    return text;
}

}  // namespace Drobix::AssetGen

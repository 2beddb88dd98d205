// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "strings/Texts.h"

namespace Drobix {
namespace {

// Every test leaves the game in English, as it starts.
class TextsTest : public testing::Test {
protected:
    void TearDown() override { UseLanguage({}); }
};

std::string_view Translation(TextId id) {
    return Text(id);
}

TEST_F(TextsTest, EnglishIsTheTableAndTheSmallFontsBytes) {
    UseLanguage({});
    EXPECT_EQ(LanguageInUse(), "");
    EXPECT_EQ(Text(TextId::MenuExit), "(Esc) Exit");
    // The key symbols stay the single bytes the small font draws as arrows.
    EXPECT_NE(Text(TextId::HelpParagraph2).find("(\xAB) key"), std::string_view::npos);
    EXPECT_EQ(Text(TextId::Credits).substr(0, 9), "Drobix \xEF ");
    EXPECT_EQ(Text(TextId::Count), "");
}

// The catalogue's key is the text as the template writes it: the special bytes as the
// characters their glyphs show, the context before it.
TEST_F(TextsTest, CatalogueKeysAreTheTemplatesTexts) {
    const auto& help = kTextTable[static_cast<size_t>(TextId::HelpParagraph2)];
    EXPECT_NE(CatalogueKey(help).find("(\xE2\x86\x90) key to move the current block left and the "
                                      "(\xE2\x86\x92) key"),
              std::string::npos);
    EXPECT_NE(CatalogueKey(help).find("(\xE2\x86\x91) key will rotate"), std::string::npos);
    EXPECT_NE(CatalogueKey(help).find("(\xE2\x86\x93) key causes"), std::string::npos);
    EXPECT_EQ(CatalogueKey(kTextTable[static_cast<size_t>(TextId::Credits)]).substr(0, 9),
              "Drobix \xC2\xA9");
    EXPECT_EQ(CatalogueKey(kTextTable[static_cast<size_t>(TextId::PreviewRandom)]),
              "block preview\x04Random");
    // Each key names one entry.
    std::set<std::string> keys;
    for (const TextEntry& entry : kTextTable) {
        EXPECT_TRUE(keys.insert(CatalogueKey(entry)).second) << entry.english;
    }
}

TEST_F(TextsTest, PlaceholdersTakeTheirArgumentsInOrderOrByPlace) {
    std::string out = "kept ";
    AppendFormatted(out, "Sound: %s", {"On"});
    EXPECT_EQ(out, "kept Sound: On");
    out.clear();
    AppendFormatted(out, "%g%% and %u", {"50", "7"});
    EXPECT_EQ(out, "50% and 7");
    out.clear();
    AppendFormatted(out, "%2$s ist die Taste von %1$s.", {"Drop", "Space"});
    EXPECT_EQ(out, "Space ist die Taste von Drop.");
    // A placeholder without its argument stays empty; a lone % at the end is kept.
    out.clear();
    AppendFormatted(out, "%s and %s, 100%", {"one"});
    EXPECT_EQ(out, "one and , 100%");
    EXPECT_EQ(FormatText(TextId::PauseResumeKey, {"P"}), "Press P to resume");
}

TEST_F(TextsTest, AnUntranslatedTextFallsBackToEnglish) {
    static const std::map<std::string, std::string> catalogue = {
        {"Menu", "Men\xC3\xBC"},
        {"language name\x04"
         "English",
         "Deutsch"},
        {"Press %s to resume",
         "%s dr\xC3\xBC"
         "cken"},
    };
    UseCatalogue("de", [](std::string_view key) -> std::string_view {
        const auto found = catalogue.find(std::string(key));
        return found == catalogue.end() ? std::string_view() : std::string_view(found->second);
    });
    EXPECT_EQ(LanguageInUse(), "de");
    EXPECT_EQ(Translation(TextId::MenuTitle), "Men\xC3\xBC");
    EXPECT_EQ(Translation(TextId::MenuExit), "(Esc) Exit");
    EXPECT_EQ(FormatText(TextId::PauseResumeKey, {"P"}),
              "P dr\xC3\xBC"
              "cken");
    UseLanguage("en");
    EXPECT_EQ(Translation(TextId::MenuTitle), "Menu");
}

// The built-in catalogues: each language of po/LINGUAS with its catalogue, named in itself.
TEST_F(TextsTest, BuiltInCataloguesTranslateEveryText) {
    const std::vector<Language>& languages = AvailableLanguages();
    if (languages.empty()) {
        GTEST_SKIP() << "no catalogue built in";
    }
    std::map<std::string, std::string> names;
    for (const Language& language : languages) {
        names[language.code] = language.name;
    }
    EXPECT_EQ(names["de"], "Deutsch");
    EXPECT_EQ(names["pl"], "Polski");
    for (const Language& language : languages) {
        UseLanguage(language.code);
        EXPECT_EQ(LanguageInUse(), language.code);
        for (const TextEntry& entry : kTextTable) {
            EXPECT_NE(Text(entry.id), "") << language.code << ": " << entry.english;
        }
    }
    UseLanguage("de");
    EXPECT_NE(Text(TextId::MenuTitle), "Menu");
    EXPECT_EQ(FormatText(TextId::OptionRubbishRows, {"3"}).find("%"), std::string::npos);
    // Arrows in a catalogue are the characters, which the fonts draw as the arrow glyphs.
    EXPECT_NE(Text(TextId::HelpParagraph2).find("\xE2\x86\x90"), std::string_view::npos);
}

// LANGUAGE's first language with a catalogue, else LC_ALL, LC_MESSAGES, LANG: the first set.
TEST_F(TextsTest, TheEnvironmentChoosesInPosixOrder) {
    if (CatalogueFor("de").empty() || CatalogueFor("pt_BR").empty()) {
        GTEST_SKIP() << "the German and Brazilian catalogues are not built in";
    }
    static std::map<std::string, std::string> environment;
    const auto read = [](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    };
    environment = {};
    EXPECT_EQ(LanguageFromEnvironment(read), "");
    environment = {{"LANG", "de_DE.UTF-8"}};
    EXPECT_EQ(LanguageFromEnvironment(read), "de");
    environment = {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "pt_BR.UTF-8"}};
    EXPECT_EQ(LanguageFromEnvironment(read), "pt_BR");
    environment = {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "pt_BR"}, {"LC_ALL", "C"}};
    EXPECT_EQ(LanguageFromEnvironment(read), "");
    environment = {{"LANG", "C.UTF-8"}, {"LANGUAGE", "xx:pt_BR:de"}};
    EXPECT_EQ(LanguageFromEnvironment(read), "pt_BR");
    environment = {{"LANGUAGE", "pt_PT:de"}};
    EXPECT_EQ(LanguageFromEnvironment(read), "de");
    environment = {{"LANG", "de_DE"}, {"LANGUAGE", "en_GB:de"}};
    EXPECT_EQ(LanguageFromEnvironment(read), "");
    environment = {{"LANG", "de_AT@euro"}, {"LANGUAGE", ""}, {"LC_ALL", ""}};
    EXPECT_EQ(LanguageFromEnvironment(read), "de");
    environment = {{"LANG", "ja_JP.UTF-8"}};
    EXPECT_EQ(LanguageFromEnvironment(read), "");
    EXPECT_EQ(CatalogueFor("pt-BR"), "pt_BR");
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "strings/TextTable.h"

namespace Drobix {

// The text in the language in use: its catalogue's translation, or the English words where the
// catalogue has none. English texts are the bytes the fonts draw; translations are UTF-8.
std::string_view Text(TextId id);

// The text with its printf placeholders (%s, %u, %g, %%, and %N$s by place) replaced by the
// arguments, given already written out. A placeholder without its argument stays empty.
std::string FormatText(TextId id, std::initializer_list<std::string_view> arguments);
// The same for any format, appended to out.
void AppendFormatted(std::string& out, std::string_view format,
                     std::initializer_list<std::string_view> arguments);

// The languages with a built-in catalogue, by code ("de", "pt_BR"), English not among them.
struct Language {
    std::string code;
    std::string name;  // in the language itself
};
const std::vector<Language>& AvailableLanguages();

// Uses the catalogue of the code, or English for "en", "" and a code without a catalogue.
// "pt_BR" and "pt-BR" name the same catalogue; "de_AT" falls back to "de".
void UseLanguage(std::string_view code);
// Uses translations given by a function from a text's catalogue key (CatalogueKey) to its
// translation, empty for none: the tests' way to try pseudo-translations. The texts it returns
// must outlive their use.
void UseCatalogue(std::string_view code,
                  const std::function<std::string_view(std::string_view key)>& translate);
// The code of the catalogue in use; empty for English.
const std::string& LanguageInUse();
// The catalogue's code that serves a locale name such as "de_DE.UTF-8" or "pt_BR", or empty.
std::string CatalogueFor(std::string_view locale);

// The language the environment asks for, as POSIX orders it: LANGUAGE (a colon-separated list,
// its first language with a catalogue), then LC_ALL, LC_MESSAGES and LANG, the first that is
// set and not empty; "C" and "POSIX" mean English. getValue reads one variable (null: unset).
std::string LanguageFromEnvironment(const char* (*getValue)(const char* name));

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "strings/Texts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <functional>
#include <span>

#include "platform/Resources.h"
#include "resources/ResourceIds.h"

namespace Drobix {

namespace {

// A language's compiled catalogue (msgfmt's .mo file, built in at build time) and its texts by
// id; an empty text is one not translated.
struct Catalogue {
    Language language;
    std::span<const uint8_t> file;
};

struct Catalogues {
    std::vector<Catalogue> all;
    std::vector<Language> languages;
};

constexpr uint32_t kMoMagic = 0x950412DE;
constexpr std::size_t kMoHeaderSize = 28;
constexpr std::size_t kMoCountOffset = 8;
constexpr std::size_t kMoOriginalsOffset = 12;
constexpr std::size_t kMoTranslationsOffset = 16;
constexpr std::size_t kMoEntrySize = 8;

uint32_t ReadWord(std::span<const uint8_t> bytes, std::size_t at) {
    if (at + 4 > bytes.size()) {
        return 0;
    }
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8U |
           static_cast<uint32_t>(bytes[at + 2]) << 16U |
           static_cast<uint32_t>(bytes[at + 3]) << 24U;
}

// The string of a .mo table's entry: its length and offset; empty where it leaves the file.
std::string_view MoString(std::span<const uint8_t> file, std::size_t table, std::size_t index) {
    const std::size_t entry = table + index * kMoEntrySize;
    const std::size_t length = ReadWord(file, entry);
    const std::size_t offset = ReadWord(file, entry + 4);
    if (offset > file.size() || length > file.size() - offset) {
        return {};
    }
    return {reinterpret_cast<const char*>(file.data()) + offset, length};
}

// The translation of a key, found by halving the originals, which msgfmt sorts; empty when the
// catalogue does not hold it or is not a little-endian .mo file.
std::string_view Translate(std::span<const uint8_t> file, std::string_view key) {
    if (file.size() < kMoHeaderSize || ReadWord(file, 0) != kMoMagic) {
        return {};
    }
    const std::size_t count = ReadWord(file, kMoCountOffset);
    const std::size_t originals = ReadWord(file, kMoOriginalsOffset);
    const std::size_t translations = ReadWord(file, kMoTranslationsOffset);
    if (originals > file.size() || translations > file.size() ||
        count > (file.size() - std::max(originals, translations)) / kMoEntrySize) {
        return {};
    }
    std::size_t low = 0;
    std::size_t high = count;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const std::string_view original = MoString(file, originals, middle);
        if (original == key) {
            return MoString(file, translations, middle);
        }
        if (original < key) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return {};
}

// The catalogues by the list of their codes, resource kFirstCatalogue holding the first.
Catalogues ReadCatalogues() {
    Catalogues catalogues;
    const auto list = Platform::FindResource(ResourceId::kLanguageList, "STRING");
    std::string_view codes(reinterpret_cast<const char*>(list.data()), list.size());
    const std::string nameKey =
        CatalogueKey(kTextTable[static_cast<std::size_t>(TextId::LanguageName)]);
    int id = ResourceId::kFirstCatalogue;
    while (!codes.empty()) {
        const std::size_t end = std::min(codes.find(' '), codes.size());
        const std::string_view code = codes.substr(0, end);
        codes.remove_prefix(std::min(end + 1, codes.size()));
        if (code.empty()) {
            continue;
        }
        Catalogue catalogue{{std::string(code), std::string(code)},
                            Platform::FindResource(id++, "MO")};
        const std::string_view name = Translate(catalogue.file, nameKey);
        if (!name.empty()) {
            catalogue.language.name = std::string(name);
        }
        catalogues.languages.push_back(catalogue.language);
        catalogues.all.push_back(std::move(catalogue));
    }
    return catalogues;
}

// Read at the first need, so that an English game never reads them.
const Catalogues& GetCatalogues() {
    static const Catalogues catalogues = ReadCatalogues();
    return catalogues;
}

// The texts of the catalogue in use, looked up once when it is chosen.
std::array<std::string_view, kTextCount> translated{};
bool anyTranslated = false;
std::string codeInUse;

// A locale name without its encoding and modifier: "de_DE.UTF-8@euro" -> "de_DE".
std::string_view LocaleLanguage(std::string_view locale) {
    return locale.substr(0, locale.find_first_of(".@"));
}

bool SameCode(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] == '-' ? '_' : a[i];
        const char y = b[i] == '-' ? '_' : b[i];
        if (x != y) {
            return false;
        }
    }
    return true;
}

bool IsEnglish(std::string_view locale) {
    const std::string_view language = LocaleLanguage(locale);
    return language == "C" || language == "POSIX" || language == "en" ||
           language.starts_with("en_") || language.starts_with("en-");
}

}  // namespace

std::string_view Text(TextId id) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= kTextCount) {
        return {};
    }
    if (anyTranslated && !translated[index].empty()) {
        return translated[index];
    }
    return kTextTable[index].english;
}

void AppendFormatted(std::string& out, std::string_view format,
                     std::initializer_list<std::string_view> arguments) {
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out.push_back(format[i]);
            continue;
        }
        ++i;
        if (format[i] == '%') {
            out.push_back('%');
            continue;
        }
        std::size_t argument = next++;
        const std::size_t dollar = format.find('$', i);
        if (dollar != std::string_view::npos && dollar > i && dollar - i <= 2) {
            unsigned place = 0;
            const auto result = std::from_chars(format.data() + i, format.data() + dollar, place);
            if (result.ptr == format.data() + dollar && place > 0) {
                argument = place - 1;
                i = dollar + 1;
            }
        }
        // The conversion letter: the arguments come written out, whatever their kind.
        if (i < format.size() && argument < arguments.size()) {
            out.append(*(arguments.begin() + argument));
        }
    }
}

std::string FormatText(TextId id, std::initializer_list<std::string_view> arguments) {
    std::string out;
    AppendFormatted(out, Text(id), arguments);
    return out;
}

const std::vector<Language>& AvailableLanguages() {
    return GetCatalogues().languages;
}

std::string CatalogueFor(std::string_view locale) {
    if (IsEnglish(locale)) {
        return {};
    }
    const std::string_view language = LocaleLanguage(locale);
    const std::string_view base = language.substr(0, language.find_first_of("_-"));
    const std::vector<Language>& languages = AvailableLanguages();
    for (const std::string_view wanted : {language, base}) {
        const auto found = std::find_if(languages.begin(), languages.end(), [&](const Language& l) {
            return SameCode(l.code, wanted);
        });
        if (found != languages.end()) {
            return found->code;
        }
    }
    return {};
}

void UseCatalogue(std::string_view code,
                  const std::function<std::string_view(std::string_view key)>& translate) {
    translated.fill({});
    anyTranslated = false;
    codeInUse = code;
    for (std::size_t i = 0; i < kTextCount; ++i) {
        translated[i] = translate(CatalogueKey(kTextTable[i]));
        anyTranslated = anyTranslated || !translated[i].empty();
    }
}

void UseLanguage(std::string_view code) {
    const std::string catalogue = code.empty() ? std::string() : CatalogueFor(code);
    for (const Catalogue& candidate : GetCatalogues().all) {
        if (!catalogue.empty() && candidate.language.code == catalogue) {
            UseCatalogue(catalogue, [&candidate](std::string_view key) {
                return Translate(candidate.file, key);
            });
            return;
        }
    }
    UseCatalogue({}, [](std::string_view) { return std::string_view(); });
}

const std::string& LanguageInUse() {
    return codeInUse;
}

std::string LanguageFromEnvironment(const char* (*getValue)(const char* name)) {
    const char* list = getValue("LANGUAGE");
    if (list != nullptr) {
        std::string_view rest(list);
        while (!rest.empty()) {
            const std::string_view entry = rest.substr(0, rest.find(':'));
            rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
            if (entry.empty()) {
                continue;
            }
            if (IsEnglish(entry)) {
                return {};
            }
            std::string code = CatalogueFor(entry);
            if (!code.empty()) {
                return code;
            }
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getValue(name);
        if (value != nullptr && *value != '\0') {
            return CatalogueFor(value);
        }
    }
    return {};
}

}  // namespace Drobix

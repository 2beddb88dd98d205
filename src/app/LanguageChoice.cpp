// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LanguageChoice.h"

#include <vector>

#include "storage/Preferences.h"
#include "strings/Texts.h"

namespace Drobix {

namespace {

constexpr const char* kEnglish = "en";

EnvironmentReader environmentReader = nullptr;

}  // namespace

void ApplyLanguageChoice(EnvironmentReader environment) {
    environmentReader = environment;
    ApplyLanguageChoice();
}

void ApplyLanguageChoice() {
    const std::string& setting = GetPreferences().language;
    if (setting != kAutomaticLanguage) {
        UseLanguage(setting);
    } else if (environmentReader != nullptr) {
        UseLanguage(LanguageFromEnvironment(environmentReader));
    } else {
        UseLanguage({});
    }
}

std::string StepLanguageSetting(const std::string& setting, int direction) {
    std::vector<std::string> settings{kAutomaticLanguage, kEnglish};
    for (const Language& language : AvailableLanguages()) {
        settings.push_back(language.code);
    }
    const auto count = static_cast<int>(settings.size());
    int index = 0;
    for (int i = 0; i < count; ++i) {
        if (settings[static_cast<size_t>(i)] == setting) {
            index = i;
        }
    }
    index = ((index + (direction < 0 ? -1 : 1)) % count + count) % count;
    return settings[static_cast<size_t>(index)];
}

}  // namespace Drobix

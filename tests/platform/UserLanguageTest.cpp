// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UserLanguage.h"

#include <gtest/gtest.h>

#include <regex>

namespace Drobix {
namespace {

// Where the system names an interface language (Windows, Wine), the name reads as the locale
// variables do, so that the same look-up finds its catalogue: "de_DE", never "de-DE".
TEST(UserLanguageTest, TheSystemsLanguageReadsAsALocaleName) {
    const auto language = Platform::UserInterfaceLanguage();
    if (!language) {
        GTEST_SKIP() << "this system keeps no interface language apart from the locale variables";
    }
    EXPECT_TRUE(std::regex_match(*language, std::regex("[a-z]{2,3}(_[A-Z][a-z]{3})?(_[A-Z]{2})?")))
        << *language;
}

}  // namespace
}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/Keyboard.h"

namespace Drobix::Platform {
namespace {

// The settings file names keys as SDL does: every name the game gives is one SDL knows, and
// each names its key alone.
TEST(KeyNamesTest, EveryBindableKeyHasItsSdlName) {
    int named = 0;
    for (int key = 0; key < kVirtualKeyCount; ++key) {
        const std::string name(VirtualKeyName(key));
        if (name.empty()) {
            continue;
        }
        ++named;
        EXPECT_NE(SDL_GetScancodeFromName(name.c_str()), SDL_SCANCODE_UNKNOWN) << name;
        EXPECT_EQ(VirtualKeyNamed(name), key) << name;
    }
    // Letters, digits, function keys, the keypad and the named keys.
    EXPECT_EQ(named, 26 + 10 + 12 + 10 + 39);
    EXPECT_EQ(VirtualKeyNamed("space"), 0x20);
    EXPECT_EQ(VirtualKeyNamed("KEYPAD 7"), 0x67);
    EXPECT_EQ(VirtualKeyNamed(""), std::nullopt);
    EXPECT_EQ(VirtualKeyNamed("Shift"), std::nullopt);
    EXPECT_EQ(VirtualKeyNamed("Spacebar"), std::nullopt);
}

}  // namespace
}  // namespace Drobix::Platform

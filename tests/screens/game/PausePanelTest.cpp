// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/game/PausePanel.h"

#include <gtest/gtest.h>

#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/GameActions.h"
#include "platform/scripted/KeyboardScripted.h"

namespace Drobix {
namespace {

namespace Scripted = Platform::Scripted;

constexpr Rect kWell{262, 32, 532, 552};
constexpr Rect kPreview{536, 180, 656, 300};

TEST(PauseHintsTest, StartIsNamedOnlyWhileAPadIsPluggedInOrNoKeyResumes) {
    const PauseHints keyboard = PauseHintsFor("P", false);
    EXPECT_EQ(keyboard.key, "Press P to resume");
    EXPECT_EQ(keyboard.pad, "");
    const PauseHints both = PauseHintsFor("Pause", true);
    EXPECT_EQ(both.key, "Press Pause to resume");
    EXPECT_EQ(both.pad, "or Start on a pad");
    for (const bool pad : {false, true}) {
        const PauseHints startOnly = PauseHintsFor("", pad);
        EXPECT_EQ(startOnly.key, "");
        EXPECT_EQ(startOnly.pad, "Press Start on a pad to resume");
    }
}

class PausePanelTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenDisplay());
        BuildFonts();
    }
    void TearDown() override {
        Scripted::SetPadConnected(false);
        SetKeyBindings(DefaultKeyBindings());
        FreeFonts();
        CloseDisplay();
    }

    // The runs of rows inside the well with anything drawn on them: the title and each hint.
    static int TextLinesInTheWell() {
        DrawPausePanel(kWell, kPreview);
        CompleteFrame();
        int lines = 0;
        bool inLine = false;
        for (int y = kWell.top + 1; y < kWell.bottom - 1; ++y) {
            bool ink = false;
            for (int x = kWell.left + 1; x < kWell.right - 1 && !ink; ++x) {
                ink = BackBufferPixels()[static_cast<size_t>(y) * kScreenWidth + x] != 0;
            }
            lines += ink && !inLine ? 1 : 0;
            inLine = ink;
        }
        return lines;
    }
};

TEST_F(PausePanelTest, TheDrawnPanelNamesThePadOnlyWhileOneIsPluggedIn) {
    Scripted::SetPadConnected(false);
    EXPECT_EQ(TextLinesInTheWell(), 2) << "Paused, and the key";
    Scripted::SetPadConnected(true);
    EXPECT_EQ(TextLinesInTheWell(), 3) << "Paused, the key, and the pad";
    // No key bound to pause: Start alone, pad or not.
    KeyBindings bindings = DefaultKeyBindings();
    bindings[static_cast<size_t>(GameAction::Pause)] = {kNoKey, kNoKey};
    SetKeyBindings(bindings);
    Scripted::SetPadConnected(false);
    EXPECT_EQ(TextLinesInTheWell(), 2) << "Paused, and Start";
}

}  // namespace
}  // namespace Drobix

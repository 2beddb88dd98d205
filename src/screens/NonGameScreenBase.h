// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "app/IScreen.h"
#include "storage/Preferences.h"

namespace Drobix {

// The backdrop shared by the menu screens: the background picture, decorative blocks falling
// on a large board, the framed block logo and looping music. It is built by the first menu
// screen entered and lives on while the player moves among the menus; leaving them for the
// game or for program exit releases it.
class NonGameScreenBase : public IScreen {
public:
    void OnEnter() override;
    void OnLeave(ScreenNumber nextScreen) override;
    void Render() override;
    void Update(unsigned elapsedMs) override;

protected:
    // A menu screen's frame for its key gate, after the base Update: the entry timer counts a
    // second time, so keys are read from 250 ms of real time after entering and the key that led
    // here does not act here; the screen's key timer counts once. True when keys may be read.
    // The modern handling reads keys in every frame: each key paces itself, and the key that led
    // here is held back until released.
    bool AdvanceKeyGate(unsigned elapsedMs, uint32_t& keyTimer) {
        entryTimer_ += elapsedMs;
        keyTimer += elapsedMs;
        return IsModernHandling() || (entryTimer_ > kEntryKeyDelay && keyTimer > kKeyRepeatDelay);
    }

private:
    static constexpr uint32_t kEntryKeyDelay = 500;
    static constexpr uint32_t kKeyRepeatDelay = 150;

    uint32_t entryTimer_ = 0;
};

// The intro, options, instructions, settings and controls screens, among which the backdrop
// lives on.
bool IsMenuScreen(ScreenNumber screenNumber);

}  // namespace Drobix

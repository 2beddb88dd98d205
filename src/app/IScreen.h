// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix {

// The screens of the screen table by their numbers; None is no screen (before the first switch,
// and as the next screen when the program quits).
enum class ScreenNumber : int {
    None = 0,
    Intro = 1,
    Options = 2,
    Instructions = 3,
    Game = 4,
    // Beyond the four: the player's settings and the keys of the game's actions.
    Settings = 5,
    Controls = 6,
};

// One screen of the program. The frame calls Update, then Render, once per active pass.
class IScreen {
public:
    virtual ~IScreen() = default;

    virtual void OnEnter() {}
    // nextScreen is the screen about to become current, None when the program quits.
    virtual void OnLeave(ScreenNumber nextScreen) { static_cast<void>(nextScreen); }
    // The window lost the focus (the frame stops calling Update until it comes back). A screen
    // that runs against the clock stops here, so that nothing goes on under the player's hands
    // when the focus returns.
    virtual void OnFocusLost() {}
    // The session ends now, by a quit (the window closed, a signal) or because the display is
    // gone: whatever the player has earned on this screen and not yet put into the settings
    // record goes there, for the save that follows. Runs before OnLeave on a quit, and alone when
    // the display is lost, which may be noticed inside any call to the window system: so it
    // changes nothing but the record and the screen's own state.
    virtual void OnSessionEnd() {}
    virtual void Render() = 0;
    virtual void Update(unsigned elapsedMs) = 0;
};

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix::Platform::Sdl {

// The window's pixels were shown afresh (exposed, shown, restored or resized): the next present
// repaints all of it, not only the rows that changed.
void RepaintWholeWindow();

// The window moved to another display, or a display's mode changed: its refresh rate is read
// afresh.
void DisplayChanged();

// Alt+Enter or F11: from full screen to a window, or back.
void SwitchWindowMode();

// What the window system's connection tells of input waiting for SDL's event pump: it can be
// watched only where the frames go to an X server by our own sender.
struct WindowSystemInput {
    bool watched = false;
    bool sentSomething = false;
};
WindowSystemInput WatchWindowSystem();

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix::Platform::Sdl {

// The window's pixels were shown afresh (exposed, shown, restored or resized): the next present
// repaints all of it, not only the rows that changed.
void RepaintWholeWindow();

// Alt+Enter or F11: from full screen to a window, or back.
void SwitchWindowMode();

// Whether the window system may have something for SDL's event pump. Always so but on an X
// server, where it is so when the server sent something and for a while after, and now and then
// regardless (SDL also acts on time there: a lost focus is told a moment late, the screensaver
// is held off).
bool WindowEventsMayWait();

}  // namespace Drobix::Platform::Sdl

#pragma once

namespace Drobix::Platform::Sdl {

// The window's pixels were shown afresh (exposed, shown, restored or resized): the next present
// repaints all of it, not only the rows that changed.
void RepaintWholeWindow();

// Alt+Enter or F11: from full screen to a window, or back.
void SwitchWindowMode();

}  // namespace Drobix::Platform::Sdl

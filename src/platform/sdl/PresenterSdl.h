#pragma once

namespace Drobix::Platform::Sdl {

// The window's pixels were shown afresh (exposed, shown, restored or resized): the next present
// repaints all of it, not only the rows that changed.
void RepaintWholeWindow();

}  // namespace Drobix::Platform::Sdl

#pragma once

// Only tests use this.

#include <SDL.h>

namespace Drobix::Platform::Sdl::Testing {

// The window's framebuffer as the last present left it (null on the texture route or with no
// window), and where in it the frame is shown.
SDL_Surface* GetFramebuffer();
SDL_Rect GetScaledArea();

}  // namespace Drobix::Platform::Sdl::Testing

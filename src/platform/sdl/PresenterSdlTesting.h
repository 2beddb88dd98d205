// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Only tests use this.

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace Drobix::Platform::Sdl::Testing {

// The window's framebuffer as the last present left it (null on the texture route or with no
// window), and where in it the frame is shown.
SDL_Surface* GetFramebuffer();
// Windows opened from now on take the texture route through SDL's software renderer (or, with
// false, decide their route as the game does), which shows the frame in the window's surface.
void UseSoftwareTextureRoute(bool use);
// Windows opened from now on take the texture route through an accelerated renderer even where
// its OpenGL is emulated on the processor (Mesa's software rasteriser), as a GPU's would be
// taken; with false, they decide their route as the game does.
void UseEmulatedGpuTextureRoute(bool use);
bool TakesTextureRoute();
SDL_Surface* GetTextureRouteSurface();
SDL_Rect GetScaledArea();
// The window's pixels as the X server holds them, 0x00RRGGBB by rows of the framebuffer's width;
// none when the framebuffer route does not send them to an X server itself.
std::vector<uint32_t> ReadWindowFromServer();
// Windows opened from now on share the framebuffer route's pixels with the X server where it
// can (true, as the game does) or send them through the connection (false).
void ShareMemoryWithServer(bool share);
// Whether the framebuffer route shares its pixels with the X server.
bool SendsThroughSharedMemory();

}  // namespace Drobix::Platform::Sdl::Testing

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <SDL.h>

namespace Drobix::Platform::Sdl {

// The event pump hands every keyboard and text event here, so that the keyboard learns what
// each key types in the user's layout and keeps the text typed.
void ObserveKeyboardEvent(const SDL_Event& event);

}  // namespace Drobix::Platform::Sdl

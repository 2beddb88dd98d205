// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/Presenter.h"

namespace Drobix::Platform::Scripted {

// The main window as the scripted backend keeps it: open or not, its title and icon size.
bool IsMainWindowOpen();
std::string GetMainWindowTitle();
int GetMainWindowIconWidth();
int GetMainWindowIconHeight();

// The frame of the last present (empty before the first) and how many presents there were.
std::span<const uint16_t> GetLastFrame();
// The spans the last present was told had changed since the present before.
ChangedSpans GetLastChangedSpans();
uint64_t GetPresentCount();

// Writes the last frame as an 800 x 600 8-bit RGB PNG (bit replication); false on failure or
// when nothing was presented yet.
bool WriteLastFrameAsPng(const std::string& path);

// Simulates a reset of the rendering device: the graphics module rebuilds its pictures.
void LoseSurfaces();

}  // namespace Drobix::Platform::Scripted

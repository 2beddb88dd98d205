// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WindowModeChoice.h"

#include "storage/WindowModeFile.h"

namespace Drobix {

namespace {

Platform::WindowMode FromSaved(SavedWindowMode mode) {
    return mode == SavedWindowMode::Window ? Platform::WindowMode::Window
                                           : Platform::WindowMode::Fullscreen;
}

SavedWindowMode ToSaved(Platform::WindowMode mode) {
    return mode == Platform::WindowMode::Window ? SavedWindowMode::Window
                                                : SavedWindowMode::Fullscreen;
}

}  // namespace

void ChooseStartWindowMode(std::optional<Platform::WindowMode> forThisRun) {
    Platform::SetStartWindowMode(forThisRun.value_or(FromSaved(LoadWindowMode())));
}

void RememberWindowMode() {
    if (Platform::WasWindowModeSwitched()) {
        // A file that cannot be written only costs the choice; play has ended anyway.
        SaveWindowMode(ToSaved(Platform::GetWindowMode()));
    }
}

}  // namespace Drobix

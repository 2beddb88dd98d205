// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WindowModeChoice.h"

#include "storage/PreferencesFile.h"

namespace Drobix {

namespace {

Platform::WindowMode FromPreferred(PreferredWindowMode mode) {
    return mode == PreferredWindowMode::Window ? Platform::WindowMode::Window
                                               : Platform::WindowMode::Fullscreen;
}

PreferredWindowMode ToPreferred(Platform::WindowMode mode) {
    return mode == Platform::WindowMode::Window ? PreferredWindowMode::Window
                                                : PreferredWindowMode::Fullscreen;
}

}  // namespace

void ChooseStartWindowMode(std::optional<Platform::WindowMode> forThisRun) {
    Platform::SetStartWindowMode(forThisRun.value_or(FromPreferred(GetPreferences().windowMode)));
}

void RememberWindowMode() {
    if (!Platform::WasWindowModeSwitched()) {
        return;
    }
    const PreferredWindowMode mode = ToPreferred(Platform::GetWindowMode());
    if (mode != GetPreferences().windowMode) {
        GetPreferences().windowMode = mode;
        SavePreferences();
    }
}

PreferredWindowMode CurrentWindowMode() {
    return ToPreferred(Platform::GetWindowMode());
}

void ChangeWindowMode(PreferredWindowMode mode) {
    Platform::SetWindowMode(FromPreferred(mode));
    GetPreferences().windowMode = mode;
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "app/DirectXVersion.h"
#include "app/MainLoop.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "platform/Debug.h"
#include "platform/DisplayLoss.h"
#include "platform/MessageBox.h"
#include "screens/ControlsScreen.h"
#include "screens/InstructionScreen.h"
#include "screens/IntroScreen.h"
#include "screens/OptionsScreen.h"
#include "screens/SettingsScreen.h"
#include "screens/game/GameScreen.h"
#include "sound/Sound.h"
#include "storage/Settings.h"

namespace Drobix {

namespace {

constexpr int kVersionTextSize = 10;
constexpr std::string_view kDirectXErrorCaption = "DirectX Error";
constexpr std::string_view kDirectXDownloadPage =
    "https://www.microsoft.com/download/details.aspx?id=35";

// Keeps the version text for the main menu; false, after telling the player, when the
// installed DirectX cannot be determined or is older than 7.0.
bool CheckDirectXVersion() {
    uint32_t packedVersion = 0;
    std::array<char, kVersionTextSize> text{};
    const int32_t result = DetectDirectXVersion(&packedVersion, text.data(), kVersionTextSize);
    directXVersionText = text.data();
    // The answer, as the main menu shows it, for whoever asks why the game would not start.
    Platform::DebugOutput("DirectX " + directXVersionText + " detected");
    if (result < 0) {
        Platform::ShowMessageBox(kDirectXErrorCaption,
                                 "The installed version of DirectX could not be determined. "
                                 "Please download and install the latest version from " +
                                     std::string(kDirectXDownloadPage));
        return false;
    }
    if (packedVersion < kLowestAcceptedDirectX) {
        Platform::ShowMessageBox(kDirectXErrorCaption,
                                 "The installed version of DirectX (" + directXVersionText +
                                     ") is not adequate to run Drobix. Please download and "
                                     "install the latest version from " +
                                     std::string(kDirectXDownloadPage));
        return false;
    }
    return true;
}

// The display is gone and no shutdown will run: what the session earned is kept, then saved.
void SaveAsTheDisplayGoes() {
    EndSession();
    SaveSettings();
}

}  // namespace

bool InitialiseGame() {
    Platform::DebugOutput("Initialising Game");
    if (!CheckDirectXVersion()) {
        return false;
    }
    if (!OpenDisplay()) {
        return false;
    }
    // The save at exit, also when the display goes away and no shutdown can run.
    Platform::SetEmergencySaveHandler(SaveAsTheDisplayGoes);
    BuildFonts();
    InitSound();
    if (!InitInput()) {
        return false;
    }
    LoadSettings();
    RemoveDataFileLeftovers();
    AddScreen(ScreenNumber::Intro, std::make_unique<IntroScreen>());
    AddScreen(ScreenNumber::Options, std::make_unique<OptionsScreen>());
    AddScreen(ScreenNumber::Instructions, std::make_unique<InstructionScreen>());
    AddScreen(ScreenNumber::Game, std::make_unique<GameScreen>());
    AddScreen(ScreenNumber::Settings, std::make_unique<SettingsScreen>());
    AddScreen(ScreenNumber::Controls, std::make_unique<ControlsScreen>());
    return true;
}

void ShutdownGame() {
    FreeFonts();
    CloseDisplay();
    ShutdownSound();
    ShutdownInput();
    SaveSettings();
    DestroyScreens();
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainLoop.h"

#include <cstdint>
#include <cstdio>
#include <map>

#include "app/MainLoopTesting.h"
#include "app/WindowModeChoice.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "input/KeyPresses.h"
#include "platform/Clock.h"
#include "platform/Debug.h"
#include "platform/Events.h"
#include "storage/Preferences.h"

namespace Drobix {

namespace {

constexpr uint32_t kInactiveSleepMs = 100;
constexpr uint32_t kFpsKeyGateMs = 150;
constexpr uint32_t kFpsMeasureMs = 500;
constexpr FontId kFpsFont = FontId::Small;

// The frame's own state: activity, timers and the figure. A fresh one is the state before
// the first pass.
struct FrameState {
    bool appActive = false;
    bool showFps = false;
    uint32_t lastUpdateTime = 0;
    uint32_t lastRenderTime = 0;
    uint32_t fpsKeyTimer = 0;
    uint32_t fpsFrameCount = 0;
    uint32_t fpsTime = 0;
    std::string fpsText;
};

struct MainLoopState {
    std::string directXVersionText;
    // Emptied only by DestroyScreens, which destroys the screens in ascending order.
    std::map<ScreenNumber, std::unique_ptr<IScreen>> screenTable;
    ScreenNumber currentScreen = ScreenNumber::None;
    FrameState frame;
};

MainLoopState mainLoop;

IScreen* CurrentScreen() {
    return GetScreen(mainLoop.currentScreen);
}

// The current screen hears of it only when the program was active, once per loss.
void SetActive(bool active) {
    const bool lost = mainLoop.frame.appActive && !active;
    mainLoop.frame.appActive = active;
    if (IScreen* screen = CurrentScreen(); lost && screen != nullptr) {
        screen->OnFocusLost();
    }
}

// Stands in for the window procedure: the quit event ends the loop, focus decides activity, a
// loss of the surfaces rebuilds every picture.
bool HandleEvent(Platform::Event event) {
    switch (event) {
        case Platform::Event::Quit:
            EndSession();
            if (IScreen* screen = CurrentScreen()) {
                screen->OnLeave(ScreenNumber::None);
            }
            return false;
        case Platform::Event::Activated:
            SetActive(true);
            break;
        case Platform::Event::Deactivated:
            SetActive(false);
            break;
        case Platform::Event::SurfacesLost:
            // Before this pass draws, so that its frame is drawn whole from the rebuilt
            // pictures.
            Platform::DebugOutput("Surfaces lost: every picture made again");
            RestoreSurfaces();
            break;
        case Platform::Event::None:
            break;
    }
    return true;
}

void ToggleFpsOnKey(uint32_t elapsed) {
    FrameState& frame = mainLoop.frame;
    frame.fpsKeyTimer += elapsed;
    const bool toggle = IsModernHandling()
                            ? KeyActs(VirtualKey::kGrave, Repeats::No)
                            : frame.fpsKeyTimer > kFpsKeyGateMs && IsKeyDown(VirtualKey::kGrave);
    if (toggle) {
        frame.fpsKeyTimer = 0;
        frame.showFps = !frame.showFps;
    }
}

void CountFpsFrame(uint32_t renderElapsed) {
    FrameState& frame = mainLoop.frame;
    ++frame.fpsFrameCount;
    frame.fpsTime += renderElapsed;
    if (frame.fpsTime > kFpsMeasureMs) {
        const double fps = static_cast<double>(frame.fpsFrameCount) * 1000.0 / frame.fpsTime;
        char text[32];
        std::snprintf(text, sizeof text, "%.1f FPS", fps);
        frame.fpsText = text;
        frame.fpsFrameCount = 0;
        frame.fpsTime = 0;
    }
}

void DrawFpsFigure() {
    const std::string& fpsText = mainLoop.frame.fpsText;
    const TextSize size = MeasureText(kFpsFont, fpsText);
    const Rect panel{0, 0, size.width, size.height};
    DrawPanel(&panel, false);
    DrawString(kFpsFont, fpsText, 0, 0);
}

}  // namespace

std::string& directXVersionText = mainLoop.directXVersionText;

void AddScreen(ScreenNumber screenNumber, std::unique_ptr<IScreen> screen) {
    mainLoop.screenTable[screenNumber] = std::move(screen);
}

IScreen* GetScreen(ScreenNumber screenNumber) {
    const auto found = mainLoop.screenTable.find(screenNumber);
    return found == mainLoop.screenTable.end() ? nullptr : found->second.get();
}

void DestroyScreens() {
    auto& screenTable = mainLoop.screenTable;
    while (!screenTable.empty()) {
        screenTable.erase(screenTable.begin());
    }
    mainLoop.currentScreen = ScreenNumber::None;
}

void SwitchScreen(ScreenNumber screenNumber) {
    // The key that led here acts on the new screen only when pressed again.
    HoldBackHeldKeys();
    if (IScreen* leaving = CurrentScreen()) {
        leaving->OnLeave(screenNumber);
    }
    mainLoop.currentScreen = screenNumber;
    if (IScreen* entering = CurrentScreen()) {
        entering->OnEnter();
    }
}

bool RunMainLoopPass() {
    if (!HandleEvent(Platform::PollEvent())) {
        return false;
    }
    FrameState& frame = mainLoop.frame;
    if (!frame.appActive) {
        Platform::SleepMs(kInactiveSleepMs);
        return true;
    }
    const uint32_t now = Platform::GetTimeMs();
    const uint32_t elapsed = frame.lastUpdateTime != 0 ? now - frame.lastUpdateTime : 0;
    const Preferences& preferences = GetPreferences();
    TrackKeyPresses(elapsed, {static_cast<uint32_t>(preferences.repeatDelayMs),
                              static_cast<uint32_t>(preferences.repeatIntervalMs)});
    if (IScreen* screen = CurrentScreen()) {
        screen->Update(elapsed);
    }
    frame.lastUpdateTime = now;
    ToggleFpsOnKey(elapsed);
    // A switch by Alt+Enter or F11 is written at once, as another copy may write the file next.
    RememberWindowMode();
    const uint32_t renderElapsed = now - frame.lastRenderTime;
    // Looked up again: a screen that switched during its Update is already replaced.
    if (IScreen* screen = CurrentScreen()) {
        screen->Render();
    }
    frame.lastRenderTime = now;
    if (frame.showFps) {
        CountFpsFrame(renderElapsed);
        DrawFpsFigure();
    }
    FlipDisplay();
    return true;
}

void RunMainLoop() {
    while (RunMainLoopPass()) {
    }
}

void EndSession() {
    if (IScreen* screen = CurrentScreen()) {
        screen->OnSessionEnd();
    }
}

void RequestQuit() {
    Platform::PostQuit();
}

namespace Testing {

ScreenNumber GetCurrentScreenNumber() {
    return mainLoop.currentScreen;
}

void ResetMainLoop() {
    mainLoop.frame = FrameState{};
    ResetKeyPresses();
}

void SetApplicationActive(bool active) {
    SetActive(active);
}

bool IsFpsShown() {
    return mainLoop.frame.showFps;
}

const std::string& GetFpsText() {
    return mainLoop.frame.fpsText;
}

}  // namespace Testing

}  // namespace Drobix

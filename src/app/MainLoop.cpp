#include "app/MainLoop.h"

#include <cstdint>
#include <cstdio>
#include <map>

#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "platform/Clock.h"
#include "platform/Events.h"

namespace Drobix {

std::string directXVersionText;

namespace {

constexpr uint32_t kInactiveSleepMs = 100;
constexpr uint32_t kFpsKeyGateMs = 150;
constexpr uint32_t kFpsMeasureMs = 500;
constexpr int kFpsFont = 1;

std::map<int, std::unique_ptr<IScreen>> screenTable;
int currentScreen = kNoScreen;
bool appActive = false;
bool showFps = false;
uint32_t lastUpdateTime = 0;
uint32_t lastRenderTime = 0;
uint32_t fpsKeyTimer = 0;
uint32_t fpsFrameCount = 0;
uint32_t fpsTime = 0;
std::string fpsText;

IScreen* CurrentScreen() {
    return GetScreen(currentScreen);
}

// Stands in for the window procedure: the quit event ends the loop, focus decides activity.
bool HandleEvent(Platform::Event event) {
    switch (event) {
        case Platform::Event::Quit:
            if (IScreen* screen = CurrentScreen()) {
                screen->OnLeave(kNoScreen);
            }
            return false;
        case Platform::Event::Activated:
            appActive = true;
            break;
        case Platform::Event::Deactivated:
            appActive = false;
            break;
        case Platform::Event::SurfacesLost:
        case Platform::Event::None:
            break;
    }
    return true;
}

void ToggleFpsOnKey(uint32_t elapsed) {
    fpsKeyTimer += elapsed;
    if (fpsKeyTimer > kFpsKeyGateMs && IsKeyDown(VirtualKey::kGrave)) {
        fpsKeyTimer = 0;
        showFps = !showFps;
    }
}

void CountFpsFrame(uint32_t renderElapsed) {
    ++fpsFrameCount;
    fpsTime += renderElapsed;
    if (fpsTime > kFpsMeasureMs) {
        const double fps = static_cast<double>(fpsFrameCount) * 1000.0 / fpsTime;
        char text[32];
        std::snprintf(text, sizeof text, "%.1f FPS", fps);
        fpsText = text;
        fpsFrameCount = 0;
        fpsTime = 0;
    }
}

void DrawFpsFigure() {
    const TextSize size = MeasureText(kFpsFont, fpsText);
    const Rect panel{0, 0, size.width, size.height};
    DrawPanel(&panel, false);
    DrawString(kFpsFont, fpsText, 0, 0);
}

}  // namespace

void AddScreen(int screenNumber, std::unique_ptr<IScreen> screen) {
    screenTable[screenNumber] = std::move(screen);
}

IScreen* GetScreen(int screenNumber) {
    const auto found = screenTable.find(screenNumber);
    return found == screenTable.end() ? nullptr : found->second.get();
}

void DestroyScreens() {
    while (!screenTable.empty()) {
        screenTable.erase(screenTable.begin());
    }
    currentScreen = kNoScreen;
}

int GetCurrentScreenNumber() {
    return currentScreen;
}

void SwitchScreen(int screenNumber) {
    if (IScreen* leaving = CurrentScreen()) {
        leaving->OnLeave(screenNumber);
    }
    currentScreen = screenNumber;
    if (IScreen* entering = CurrentScreen()) {
        entering->OnEnter();
    }
}

bool RunMainLoopPass() {
    if (!HandleEvent(Platform::PollEvent())) {
        return false;
    }
    if (!appActive) {
        Platform::SleepMs(kInactiveSleepMs);
        return true;
    }
    const uint32_t now = Platform::GetTimeMs();
    const uint32_t elapsed = lastUpdateTime != 0 ? now - lastUpdateTime : 0;
    if (IScreen* screen = CurrentScreen()) {
        screen->Update(elapsed);
    }
    lastUpdateTime = now;
    ToggleFpsOnKey(elapsed);
    const uint32_t renderElapsed = now - lastRenderTime;
    // Looked up again: a screen that switched during its Update is already replaced.
    if (IScreen* screen = CurrentScreen()) {
        screen->Render();
    }
    lastRenderTime = now;
    if (showFps) {
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

void RequestQuit() {
    Platform::PostQuit();
}

void ResetMainLoop() {
    appActive = false;
    showFps = false;
    lastUpdateTime = 0;
    lastRenderTime = 0;
    fpsKeyTimer = 0;
    fpsFrameCount = 0;
    fpsTime = 0;
    fpsText.clear();
}

void SetApplicationActive(bool active) {
    appActive = active;
}
bool IsApplicationActive() {
    return appActive;
}
bool IsFpsShown() {
    return showFps;
}
const std::string& GetFpsText() {
    return fpsText;
}

}  // namespace Drobix

#include "app/Startup.h"

#include <memory>

#include "app/MainLoop.h"
#include "game/GameScreen.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "platform/Debug.h"
#include "screens/InstructionScreen.h"
#include "screens/IntroScreen.h"
#include "screens/OptionsScreen.h"
#include "sound/Sound.h"
#include "storage/Settings.h"

namespace Drobix {

bool InitialiseGame() {
    Platform::DebugOutput("Initialising Game");
    if (!OpenDisplay()) {
        return false;
    }
    BuildFonts();
    InitSound();
    if (!InitInput()) {
        return false;
    }
    LoadSettings();
    AddScreen(kIntroScreen, std::make_unique<IntroScreen>());
    AddScreen(kOptionsScreen, std::make_unique<OptionsScreen>());
    AddScreen(kInstructionScreen, std::make_unique<InstructionScreen>());
    AddScreen(kGameScreen, std::make_unique<GameScreen>());
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

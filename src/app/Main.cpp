#include "app/MainLoop.h"
#include "app/Startup.h"
#include "platform/MessageBox.h"

namespace {
constexpr int kExitNormal = 0;
constexpr int kExitStartupFailed = 1;
}  // namespace

int main() {
    using namespace Drobix;
    if (!InitialiseGame()) {
        Platform::ShowMessageBox("Initialisation Error",
                                 "Failed to initialise the game systems. Please ensure your PC is "
                                 "capable of running Drobix.");
        ShutdownGame();
        return kExitStartupFailed;
    }
    SwitchScreen(ScreenNumber::Intro);
    RunMainLoop();
    ShutdownGame();
    return kExitNormal;
}

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole session played with a pad on SDL's virtual joystick: SDL's game-controller interface
// reads the pad, the gamepad module turns it into virtual keys, and those keys are replayed
// frame by frame into the game on the scripted clock, as drobix-replay does with a script.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/MainLoop.h"
#include "app/MainLoopTesting.h"
#include "app/Startup.h"
#include "game/Random.h"
#include "platform/scripted/ClockScripted.h"
#include "platform/scripted/KeyboardScripted.h"
#include "platform/sdl/GamepadSdl.h"
#include "screens/game/GameScreen.h"
#include "storage/Settings.h"

namespace Drobix {
namespace {

namespace Sdl = Platform::Sdl;
using Platform::VirtualKeySet;

constexpr uint32_t kFrameMs = 16;
constexpr uint32_t kStartTimeMs = 1000;
// Longer than every key gate: the next press acts in its first frame.
constexpr int kGateFrames = 20;
constexpr Sint16 kStickFullLeft = -32768;

struct PadInput {
    std::vector<SDL_GameControllerButton> buttons;
    Sint16 leftX = 0;
    Sint16 rightTrigger = 0;
};

class GamepadSessionTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // There is no window to have the focus.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        Sdl::StartGamepads();
    }

    static void TearDownTestSuite() {
        Sdl::StopGamepads();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }

    void TearDown() override {
        Unplug();
        Platform::Scripted::ReleaseAllKeys();
    }

    void PlugIn() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Drobix test pad";
        device_ = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(device_, 0) << SDL_GetError();
        joystick_ = SDL_JoystickOpen(device_);
        ASSERT_NE(joystick_, nullptr) << SDL_GetError();
        PumpEvents();
    }

    void Unplug() {
        if (joystick_ == nullptr) {
            return;
        }
        SDL_JoystickClose(joystick_);
        SDL_JoystickDetachVirtual(device_);
        joystick_ = nullptr;
        PumpEvents();
    }

    // What the game's event pump does with controller events.
    static void PumpEvents() {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) {
            Sdl::ObserveGamepadEvent(event);
        }
    }

    VirtualKeySet Hold(const PadInput& input) {
        for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button) {
            SDL_JoystickSetVirtualButton(joystick_, button, 0);
        }
        for (const SDL_GameControllerButton button : input.buttons) {
            SDL_JoystickSetVirtualButton(joystick_, button, 1);
        }
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, input.leftX);
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, input.rightTrigger);
        PumpEvents();
        return Sdl::GamepadKeysDown();
    }

    // Frames with the pad held as given; false once the program has ended.
    bool Play(const PadInput& input, int frames = 1) {
        const VirtualKeySet keys = Hold(input);
        std::vector<int> held;
        for (int key = 0; key < Platform::kVirtualKeyCount; ++key) {
            if (keys[static_cast<size_t>(key)]) {
                held.push_back(key);
            }
        }
        for (int i = 0; i < frames; ++i) {
            Platform::Scripted::AdvanceTimeMs(kFrameMs);
            Platform::Scripted::SetKeysDown(held);
            if (!RunMainLoopPass()) {
                return false;
            }
        }
        return true;
    }

    bool Press(SDL_GameControllerButton button) {
        return Play({{button}}) && Play({}, kGateFrames);
    }

    static const GameScreen& Game() {
        return dynamic_cast<const GameScreen&>(*GetScreen(ScreenNumber::Game));
    }

    static ScreenNumber Screen() { return Testing::GetCurrentScreenNumber(); }

    int device_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

TEST_F(GamepadSessionTest, PadHoldsItsKeysOnlyWhilePluggedIn) {
    PlugIn();
    EXPECT_TRUE(Hold({{SDL_CONTROLLER_BUTTON_B}})['N']);
    EXPECT_TRUE(Hold({{SDL_CONTROLLER_BUTTON_B}})[0x1B]);
    EXPECT_TRUE(Hold({{}, kStickFullLeft})[0x25]);
    EXPECT_TRUE(Sdl::IsGamepadKeyDown(0x25));
    EXPECT_FALSE(Sdl::IsGamepadKeyDown(-1));
    EXPECT_FALSE(Sdl::IsGamepadKeyDown(Platform::kVirtualKeyCount));
    EXPECT_TRUE(Hold({}).none());

    Hold({{SDL_CONTROLLER_BUTTON_START}});
    Unplug();
    EXPECT_TRUE(Sdl::GamepadKeysDown().none());
    // Plugged in again while the game runs, it is seen again.
    PlugIn();
    EXPECT_TRUE(Hold({{SDL_CONTROLLER_BUTTON_DPAD_DOWN}})[0x28]);
}

// The buttons read as themselves, as play and the name entry's letter picker read them.
TEST_F(GamepadSessionTest, ButtonsAreReadApartFromTheirKeys) {
    EXPECT_FALSE(Sdl::IsGamepadButtonDown(Platform::PadButton::A));
    PlugIn();
    Hold({{SDL_CONTROLLER_BUTTON_START}});
    EXPECT_TRUE(Sdl::IsGamepadButtonDown(Platform::PadButton::Start));
    EXPECT_FALSE(Sdl::IsGamepadButtonDown(Platform::PadButton::B));
    EXPECT_TRUE(Sdl::GamepadKeysDown()[0x13]);
    EXPECT_FALSE(Sdl::GamepadKeysDown()[0x1B]);
    Hold({{SDL_CONTROLLER_BUTTON_RIGHTSHOULDER}});
    EXPECT_TRUE(Sdl::IsGamepadButtonDown(Platform::PadButton::RightShoulder));
    // The stick stands in for the D-pad.
    Hold({{}, kStickFullLeft});
    EXPECT_TRUE(Sdl::IsGamepadButtonDown(Platform::PadButton::DpadLeft));
    EXPECT_FALSE(Sdl::IsGamepadButtonDown(Platform::PadButton::DpadRight));
    Unplug();
    EXPECT_FALSE(Sdl::IsGamepadButtonDown(Platform::PadButton::DpadLeft));
}

TEST_F(GamepadSessionTest, WholeSessionWithoutKeyboard) {
    PlugIn();
    Platform::Scripted::SetTimeMs(kStartTimeMs);
    ASSERT_TRUE(InitialiseGame());
    SeedRandom(1);
    SwitchScreen(ScreenNumber::Intro);
    Testing::SetApplicationActive(true);
    ASSERT_TRUE(Play({}, kGateFrames));

    // A starts a game from the main menu.
    ASSERT_TRUE(Press(SDL_CONTROLLER_BUTTON_A));
    ASSERT_EQ(Screen(), ScreenNumber::Game);
    ASSERT_EQ(Game().GetMode(), GameScreen::Mode::Playing);

    // The stick moves the block one column left, A turns it.
    const int column = Game().GetFallingPosition().column;
    ASSERT_TRUE(Play({{}, kStickFullLeft}) && Play({}, kGateFrames));
    EXPECT_EQ(Game().GetFallingPosition().column, column - 1);
    const int rotation = Game().GetFallingBlock()->GetRotationState();
    ASSERT_TRUE(Press(SDL_CONTROLLER_BUTTON_A));
    EXPECT_NE(Game().GetFallingBlock()->GetRotationState(), rotation);

    // X drops it to the floor: the bottom row holds cells, a new block falls from the top.
    const Block* dropped = Game().GetFallingBlock();
    ASSERT_TRUE(Play({}, kGateFrames * 2) && Press(SDL_CONTROLLER_BUTTON_X));
    EXPECT_NE(Game().GetFallingBlock(), dropped);
    const Board& board = Game().GetBoard();
    bool bottomFilled = false;
    for (unsigned col = 0; col < board.GetColumnCount(); ++col) {
        bottomFilled = bottomFilled || board.IsCellFilled(board.GetRowCount() - 1, col);
    }
    EXPECT_TRUE(bottomFilled);

    // B opens the exit prompt and says no to it, B again and A says yes.
    ASSERT_TRUE(Press(SDL_CONTROLLER_BUTTON_B));
    EXPECT_EQ(Game().GetMode(), GameScreen::Mode::ExitPrompt);
    ASSERT_TRUE(Press(SDL_CONTROLLER_BUTTON_B));
    EXPECT_EQ(Game().GetMode(), GameScreen::Mode::Playing);
    ASSERT_TRUE(Press(SDL_CONTROLLER_BUTTON_B));
    ASSERT_TRUE(Press(SDL_CONTROLLER_BUTTON_A));
    ASSERT_EQ(Screen(), ScreenNumber::Intro);

    // Y opens the options; the left shoulder steps option 4 (the starting level), the right
    // trigger option 7 (the colours).
    ASSERT_TRUE(Play({}, kGateFrames) && Press(SDL_CONTROLLER_BUTTON_Y));
    ASSERT_EQ(Screen(), ScreenNumber::Options);
    const Settings before = *GetSettings();
    ASSERT_TRUE(Play({}, kGateFrames) && Press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER));
    EXPECT_EQ(GetSettings()->startingLevel, before.startingLevel + 1);
    EXPECT_EQ(GetSettings()->blockColour, before.blockColour);
    ASSERT_TRUE(Play({{}, 0, SDL_JOYSTICK_AXIS_MAX}) && Play({}, kGateFrames));
    EXPECT_NE(GetSettings()->blockColour, before.blockColour);
    EXPECT_EQ(GetSettings()->startingLevel, before.startingLevel + 1);
    // B backs out to the main menu, and there it ends the program.
    ASSERT_TRUE(Press(SDL_CONTROLLER_BUTTON_B));
    ASSERT_EQ(Screen(), ScreenNumber::Intro);
    ASSERT_TRUE(Play({}, kGateFrames));
    EXPECT_FALSE(Play({{SDL_CONTROLLER_BUTTON_B}}, kGateFrames));
    ShutdownGame();
}

}  // namespace
}  // namespace Drobix

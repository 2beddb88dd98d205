// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl/GamepadSdl.h"

#include <map>

namespace Drobix::Platform::Sdl {

namespace {

// More pads than players ever plug in; a flood of devices cannot grow the table without end.
constexpr size_t kMaxPads = 8;

struct PadButtonSource {
    PadButton button;
    SDL_GameControllerButton sdlButton;
};

constexpr PadButtonSource kPadButtons[] = {
    {PadButton::A, SDL_CONTROLLER_BUTTON_A},
    {PadButton::B, SDL_CONTROLLER_BUTTON_B},
    {PadButton::X, SDL_CONTROLLER_BUTTON_X},
    {PadButton::Y, SDL_CONTROLLER_BUTTON_Y},
    {PadButton::Back, SDL_CONTROLLER_BUTTON_BACK},
    {PadButton::Start, SDL_CONTROLLER_BUTTON_START},
    {PadButton::LeftShoulder, SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
    {PadButton::RightShoulder, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
    {PadButton::DpadUp, SDL_CONTROLLER_BUTTON_DPAD_UP},
    {PadButton::DpadDown, SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    {PadButton::DpadLeft, SDL_CONTROLLER_BUTTON_DPAD_LEFT},
    {PadButton::DpadRight, SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
};

struct GamepadsState {
    bool started = false;
    // The open pads by their joystick instance id.
    std::map<SDL_JoystickID, SDL_GameController*> pads;
};

GamepadsState gamepads;

void OpenPad(int deviceIndex) {
    if (gamepads.pads.size() >= kMaxPads) {
        return;
    }
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (id < 0 || gamepads.pads.contains(id)) {
        // Already open: SDL counts opens, so this one is given back.
        SDL_GameControllerClose(controller);
        return;
    }
    gamepads.pads[id] = controller;
}

void ClosePad(SDL_JoystickID id) {
    const auto pad = gamepads.pads.find(id);
    if (pad != gamepads.pads.end()) {
        SDL_GameControllerClose(pad->second);
        gamepads.pads.erase(pad);
    }
}

GamepadState ReadPad(SDL_GameController* controller) {
    GamepadState state;
    for (const PadButtonSource& source : kPadButtons) {
        state.Press(source.button, SDL_GameControllerGetButton(controller, source.sdlButton) != 0);
    }
    state.leftX = ClampAxis(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX));
    state.leftY = ClampAxis(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY));
    state.leftTrigger =
        ClampAxis(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    state.rightTrigger =
        ClampAxis(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    return state;
}

}  // namespace

void StartGamepads() {
    if (gamepads.started) {
        return;
    }
    gamepads.started = true;
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void ObserveGamepadEvent(const SDL_Event& event) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        OpenPad(event.cdevice.which);
    } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        ClosePad(event.cdevice.which);
    }
}

bool HasOpenGamepads() {
    return !gamepads.pads.empty();
}

VirtualKeySet GamepadKeysDown() {
    VirtualKeySet keys;
    for (const auto& [id, controller] : gamepads.pads) {
        keys |= VirtualKeysOf(ReadPad(controller));
    }
    return keys;
}

bool IsGamepadKeyDown(int virtualKey) {
    return virtualKey >= 0 && virtualKey < kVirtualKeyCount &&
           GamepadKeysDown()[static_cast<size_t>(virtualKey)];
}

bool IsGamepadButtonDown(PadButton button) {
    for (const auto& [id, controller] : gamepads.pads) {
        if (IsHeld(ReadPad(controller), button)) {
            return true;
        }
    }
    return false;
}

void StopGamepads() {
    for (const auto& [id, controller] : gamepads.pads) {
        SDL_GameControllerClose(controller);
    }
    gamepads = GamepadsState{};
}

}  // namespace Drobix::Platform::Sdl

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "input/GameActions.h"

namespace Drobix {

namespace {

constexpr std::array<std::string_view, kGameActionCount> kActionNames = {
    "left", "right", "turn", "turn_clockwise", "soft_drop", "drop", "pause", "leave",
};

struct ActionsState {
    KeyBindings bindings = DefaultKeyBindings();
};
ActionsState state;

}  // namespace

KeyBindings DefaultKeyBindings() {
    KeyBindings bindings{};
    auto bind = [&bindings](GameAction action, ActionKeys keys) {
        bindings[static_cast<size_t>(action)] = keys;
    };
    bind(GameAction::Left, {VirtualKey::kLeft, kNoKey});
    bind(GameAction::Right, {VirtualKey::kRight, kNoKey});
    bind(GameAction::Turn, {VirtualKey::kUp, 'Z'});
    bind(GameAction::TurnClockwise, {'X', kNoKey});
    bind(GameAction::SoftDrop, {VirtualKey::kDown, kNoKey});
    bind(GameAction::Drop, {VirtualKey::kSpace, kNoKey});
    bind(GameAction::Pause, {'P', VirtualKey::kPause});
    bind(GameAction::Leave, {VirtualKey::kEscape, kNoKey});
    return bindings;
}

std::string_view GameActionName(GameAction action) {
    const auto index = static_cast<size_t>(action);
    return index < kGameActionCount ? kActionNames[index] : std::string_view{};
}

std::optional<GameAction> GameActionNamed(std::string_view name) {
    for (size_t index = 0; index < kGameActionCount; ++index) {
        if (kActionNames[index] == name) {
            return static_cast<GameAction>(index);
        }
    }
    return std::nullopt;
}

void SetKeyBindings(const KeyBindings& bindings) {
    state.bindings = bindings;
}

const KeyBindings& GetKeyBindings() {
    return state.bindings;
}

ActionButtons PadButtonsOf(GameAction action) {
    constexpr PadButton kNone = PadButton::Count;
    switch (action) {
        case GameAction::Left:
            return {PadButton::DpadLeft, kNone, kNone};
        case GameAction::Right:
            return {PadButton::DpadRight, kNone, kNone};
        case GameAction::Turn:
            return {PadButton::A, PadButton::DpadUp, PadButton::LeftShoulder};
        case GameAction::TurnClockwise:
            return {PadButton::RightShoulder, kNone, kNone};
        case GameAction::SoftDrop:
            return {PadButton::DpadDown, kNone, kNone};
        case GameAction::Drop:
            return {PadButton::X, PadButton::Y, kNone};
        case GameAction::Pause:
            return {PadButton::Start, kNone, kNone};
        case GameAction::Leave:
            return {PadButton::B, kNone, kNone};
        case GameAction::Count:
            break;
    }
    return {kNone, kNone, kNone};
}

bool IsActionDown(GameAction action) {
    const auto index = static_cast<size_t>(action);
    if (index >= kGameActionCount) {
        return false;
    }
    // The keyboard alone: the keys a pad holds for the menus are not the player's bindings.
    for (const int key : state.bindings[index]) {
        if (key != kNoKey && IsKeyboardKeyDown(key)) {
            return true;
        }
    }
    for (const PadButton button : PadButtonsOf(action)) {
        if (button != PadButton::Count && IsButtonDown(button)) {
            return true;
        }
    }
    return false;
}

bool ActionActs(GameAction action, Repeats repeats) {
    const auto index = static_cast<size_t>(action);
    if (index >= kGameActionCount) {
        return false;
    }
    for (const int key : state.bindings[index]) {
        if (key != kNoKey && KeyboardKeyActs(key, repeats)) {
            return true;
        }
    }
    for (const PadButton button : PadButtonsOf(action)) {
        if (button != PadButton::Count && ButtonActs(button, repeats)) {
            return true;
        }
    }
    return false;
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "input/Input.h"
#include "input/KeyPresses.h"

namespace Drobix {

// What a player does in a game, each bound to keys of the player's choosing.
enum class GameAction {
    Left,
    Right,
    Turn,
    TurnClockwise,
    SoftDrop,
    Drop,
    Pause,
    Leave,
    Count,
};

constexpr size_t kGameActionCount = static_cast<size_t>(GameAction::Count);
constexpr size_t kKeysPerAction = 2;
// A binding's unused place.
constexpr int kNoKey = 0;

// Virtual-key codes, kNoKey where an action has fewer keys than places.
using ActionKeys = std::array<int, kKeysPerAction>;
using KeyBindings = std::array<ActionKeys, kGameActionCount>;

// Left, Right, Up and Z, X, Down, Space, P and Pause, Escape.
KeyBindings DefaultKeyBindings();

// The action's name as the settings file writes it: "left", "turn_clockwise", ...
std::string_view GameActionName(GameAction action);
std::optional<GameAction> GameActionNamed(std::string_view name);

// The bindings every IsActionDown reads from now on; the defaults until set.
void SetKeyBindings(const KeyBindings& bindings);
const KeyBindings& GetKeyBindings();

// Whether any key bound to the action is held down on the keyboard now, or a pad holds one of
// the action's fixed buttons: the D-pad (or stick) left, right and down move and drop a row,
// A, up and the left shoulder turn, the right shoulder turns clockwise, X and Y drop, Start
// pauses, B leaves. A pad thus keeps working whatever keys the player binds.
bool IsActionDown(GameAction action);

// Whether any key bound to the action, or any of its pad buttons, acts in this frame as the
// modern handling reads keys (see input/KeyPresses.h).
bool ActionActs(GameAction action, Repeats repeats = Repeats::Yes);

// The pad buttons that do the action, in the order above; PadButton::Count where there are
// fewer than three.
using ActionButtons = std::array<PadButton, 3>;
ActionButtons PadButtonsOf(GameAction action);

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "input/GameActions.h"
#include "screens/FrameText.h"
#include "screens/NonGameScreenBase.h"

namespace Drobix {

// The keys of the game's actions, one line each. A digit (or the arrows and Enter, or a pad's
// D-pad and A) picks an action; the next key pressed becomes its first key, the one it had first
// becomes its second. A key another action has is refused with a message naming that action.
// 0 restores every default. The menus' own keys are not bound here.
class ControlsScreen final : public NonGameScreenBase {
public:
    void OnEnter() override;
    void Render() override;
    void Update(unsigned elapsedMs) override;

    int GetSelectedLine() const { return selected_; }
    bool IsWaitingForKey() const { return waiting_.has_value(); }
    const std::string& GetMessage() const { return message_; }

private:
    void ReadKeys();
    void WaitForKey(GameAction action);
    // While an action waits: the first key that goes down once every key was up.
    void ReadNewKey();

    uint32_t keyTimer_ = 0;
    int selected_ = 0;
    std::optional<GameAction> waiting_;
    bool keysReleased_ = false;
    std::string message_;
    FrameText text_;
};

// The action as the screen names it: "Turn Clockwise".
std::string_view ActionTitle(GameAction action);

// The key's name as the screens show it, in the language in use: "Space", "Keypad 4", "Z";
// empty for a key without a name.
std::string KeyLabel(int virtualKey);

// The lines of the screen: each action and its keys, then the keys of the screen itself.
std::string BuildControlsText(const KeyBindings& bindings);

// Binds key to action as its first key, its old first key moving to second. Nothing changes,
// and the action that has the key is returned, when another action has it.
std::optional<GameAction> BindKey(KeyBindings& bindings, GameAction action, int key);

}  // namespace Drobix

#include "input/GameActions.h"

#include "input/Input.h"

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

bool IsActionDown(GameAction action) {
    const auto index = static_cast<size_t>(action);
    if (index >= kGameActionCount) {
        return false;
    }
    for (const int key : state.bindings[index]) {
        if (key != kNoKey && IsKeyDown(key)) {
            return true;
        }
    }
    return false;
}

}  // namespace Drobix

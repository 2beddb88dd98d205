// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/Preferences.h"

#include <algorithm>

namespace Drobix {

namespace {

constexpr int kFullScreenKey = 0x7A;  // F11
constexpr int kAnswerYes = 'Y';
constexpr int kAnswerNo = 'N';

constexpr std::string_view kGameOwnKey = "is the game's own key";
constexpr std::string_view kAnswerKey = "answers the game's questions";

constexpr std::array<GameAction, 2> kAlwaysBound{GameAction::Leave, GameAction::Pause};

void Unbind(ActionKeys& keys, int key) {
    if (keys[1] == key) {
        keys[1] = kNoKey;
    }
    if (keys[0] == key) {
        keys = {keys[1], kNoKey};
    }
}

}  // namespace

KeyReservation ReservedKeyFor(GameAction action, int key) {
    if (key == kFullScreenKey || key == VirtualKey::kEnter || key == VirtualKey::kGrave) {
        return KeyReservation::GameOwn;
    }
    if (action == GameAction::Leave && (key == kAnswerYes || key == kAnswerNo)) {
        return KeyReservation::Answer;
    }
    return KeyReservation::None;
}

std::string_view ReservedKeyReason(GameAction action, int key) {
    switch (ReservedKeyFor(action, key)) {
        case KeyReservation::GameOwn:
            return kGameOwnKey;
        case KeyReservation::Answer:
            return kAnswerKey;
        case KeyReservation::None:
            break;
    }
    return {};
}

std::vector<GameAction> KeepLeaveAndPauseBound(KeyBindings& bindings) {
    std::vector<GameAction> fixed;
    const KeyBindings defaults = DefaultKeyBindings();
    for (const GameAction action : kAlwaysBound) {
        ActionKeys& keys = bindings[static_cast<size_t>(action)];
        if (keys[0] != kNoKey || keys[1] != kNoKey) {
            continue;
        }
        const int key = defaults[static_cast<size_t>(action)][0];
        for (ActionKeys& other : bindings) {
            Unbind(other, key);
        }
        keys = {key, kNoKey};
        fixed.push_back(action);
    }
    return fixed;
}

Preferences& GetPreferences() {
    static Preferences preferences;
    return preferences;
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/ControlsScreen.h"

#include <algorithm>

#include "app/MainLoop.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "screens/KeyReading.h"
#include "screens/LineMarker.h"
#include "storage/Preferences.h"
#include "storage/PreferencesFile.h"

namespace Drobix {

namespace {

constexpr int kActionCount = static_cast<int>(kGameActionCount);
constexpr int kFirstBindableKey = 1;
constexpr int kKeyCount = 256;

constexpr int kPanelHalfWidth = 170;
constexpr int kPanelTop = 252;
// Between the panel's edges and the text, on every side.
constexpr int kTextMargin = 20;
constexpr int kTextTop = kPanelTop + kTextMargin;

void ComposeControlsText(const KeyBindings& bindings, FrameText& text) {
    text.Clear();
    for (int index = 0; index < kActionCount; ++index) {
        const auto action = static_cast<GameAction>(index);
        text << (index == 0 ? "" : "\n") << (index + 1) << ") " << ActionTitle(action) << ":";
        const char* separator = " ";
        for (const int key : bindings[static_cast<size_t>(index)]) {
            if (key != kNoKey) {
                text << separator << KeyName(key);
                separator = ", ";
            }
        }
    }
    text << "\n\n0) Restore the defaults\n(Esc) Back to settings";
}

bool IsAnyKeyboardKeyDown() {
    for (int key = kFirstBindableKey; key < kKeyCount; ++key) {
        if (IsKeyboardKeyDown(key)) {
            return true;
        }
    }
    return false;
}

// Keeps the bindings, Leave and Pause never without a key; false, with the reason in message,
// when they could not be saved.
bool KeepBindings(KeyBindings bindings, std::string& message) {
    KeepLeaveAndPauseBound(bindings);
    GetPreferences().keys = bindings;
    SetKeyBindings(bindings);
    if (SavePreferences()) {
        return true;
    }
    message = PreferencesFileProblem();
    return message.empty();
}

}  // namespace

std::string_view ActionTitle(GameAction action) {
    switch (action) {
        case GameAction::Left:
            return "Left";
        case GameAction::Right:
            return "Right";
        case GameAction::Turn:
            return "Turn";
        case GameAction::TurnClockwise:
            return "Turn Clockwise";
        case GameAction::SoftDrop:
            return "Soft Drop";
        case GameAction::Drop:
            return "Drop";
        case GameAction::Pause:
            return "Pause";
        case GameAction::Leave:
            return "Leave";
        case GameAction::Count:
            break;
    }
    return {};
}

std::string BuildControlsText(const KeyBindings& bindings) {
    FrameText text;
    ComposeControlsText(bindings, text);
    return text.Str();
}

std::optional<GameAction> BindKey(KeyBindings& bindings, GameAction action, int key) {
    const auto target = static_cast<size_t>(action);
    for (size_t index = 0; index < kGameActionCount; ++index) {
        const ActionKeys& keys = bindings[index];
        if (index != target && (keys[0] == key || keys[1] == key)) {
            return static_cast<GameAction>(index);
        }
    }
    ActionKeys& keys = bindings[target];
    if (keys[0] != key) {
        keys = {key, keys[0]};
    }
    return std::nullopt;
}

void ControlsScreen::OnEnter() {
    NonGameScreenBase::OnEnter();
    keyTimer_ = 0;
    waiting_.reset();
    message_.clear();
}

void ControlsScreen::Update(unsigned elapsedMs) {
    NonGameScreenBase::Update(elapsedMs);
    if (!AdvanceKeyGate(elapsedMs, keyTimer_)) {
        return;
    }
    if (waiting_) {
        ReadNewKey();
    } else {
        ReadKeys();
    }
}

void ControlsScreen::ReadKeys() {
    for (int line = 0; line < kActionCount; ++line) {
        if (IsKeyboardKeyActing(VirtualKey::kDigit0 + line + 1)) {
            selected_ = line;
            WaitForKey(static_cast<GameAction>(line));
            return;
        }
    }
    if (IsKeyboardKeyActing(VirtualKey::kDigit0)) {
        if (KeepBindings(DefaultKeyBindings(), message_)) {
            message_ = "Every key is as it was at first.";
        }
    } else if (IsKeyboardKeyActing(VirtualKey::kUp) || IsButtonActing(PadButton::DpadUp)) {
        selected_ = (selected_ + kActionCount - 1) % kActionCount;
    } else if (IsKeyboardKeyActing(VirtualKey::kDown) || IsButtonActing(PadButton::DpadDown)) {
        selected_ = (selected_ + 1) % kActionCount;
    } else if (IsKeyboardKeyActing(VirtualKey::kEnter) || IsButtonActing(PadButton::A)) {
        WaitForKey(static_cast<GameAction>(selected_));
    } else if (IsKeyboardKeyActing(VirtualKey::kEscape) || IsButtonActing(PadButton::B)) {
        SwitchScreen(ScreenNumber::Settings);
        return;
    } else {
        return;
    }
    keyTimer_ = 0;
}

void ControlsScreen::WaitForKey(GameAction action) {
    waiting_ = action;
    keysReleased_ = false;
    keyTimer_ = 0;
    message_ = "Press a key for ";
    message_.append(ActionTitle(action)).append(" (Esc: keep it as it is)");
}

void ControlsScreen::ReadNewKey() {
    if (!keysReleased_) {
        keysReleased_ = !IsAnyKeyboardKeyDown();
        return;
    }
    if (IsButtonActing(PadButton::B)) {
        waiting_.reset();
        message_.clear();
        keyTimer_ = 0;
        return;
    }
    for (int key = kFirstBindableKey; key < kKeyCount; ++key) {
        if (!IsKeyboardKeyDown(key) || KeyName(key).empty()) {
            continue;
        }
        const GameAction action = *waiting_;
        waiting_.reset();
        keyTimer_ = 0;
        // The key just bound does not also act on the list under it.
        HoldBackHeldKeys();
        if (key == VirtualKey::kEscape) {
            message_.clear();
            return;
        }
        if (const std::string_view reason = ReservedKeyReason(action, key); !reason.empty()) {
            message_.assign(KeyName(key)).append(" ").append(reason).append(".");
            return;
        }
        KeyBindings bindings = GetKeyBindings();
        if (const auto owner = BindKey(bindings, action, key)) {
            message_.assign(KeyName(key)).append(" is the key of ").append(ActionTitle(*owner));
            message_.append(" already.");
            return;
        }
        if (KeepBindings(bindings, message_)) {
            message_.assign(ActionTitle(action)).append(": ").append(KeyName(key));
        }
        return;
    }
}

void ControlsScreen::Render() {
    NonGameScreenBase::Render();
    ComposeControlsText(GetKeyBindings(), text_);
    // The message's line is there even when empty, so the panel keeps its size.
    text_ << "\n\n" << message_ << " ";
    const std::string& text = text_.Str();
    const auto lastLine = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    // The panel ends below the last line where the text puts it, the message's included.
    const int textBottom =
        TextLineTop(FontId::Small, kTextTop, lastLine) + MeasureText(FontId::Small, " ").height;
    const int centre = kScreenWidth / 2;
    const int left = centre - kPanelHalfWidth + kTextMargin;
    const Rect body{centre - kPanelHalfWidth, kPanelTop, centre + kPanelHalfWidth,
                    textBottom + kTextMargin};
    DrawTitledPanel(&body, "Controls");
    DrawLinesWithMarker(text, left, kTextTop, selected_);
}

}  // namespace Drobix

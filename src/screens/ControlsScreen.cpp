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
#include "screens/SettingsScreen.h"
#include "storage/Preferences.h"
#include "storage/PreferencesFile.h"
#include "strings/Texts.h"

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
// The message wraps within this many lines, so that a long translation stays in the panel.
constexpr int kMessageLines = 2;

void ComposeControlsText(const KeyBindings& bindings, FrameText& text) {
    text.Clear();
    for (int index = 0; index < kActionCount; ++index) {
        const auto action = static_cast<GameAction>(index);
        text << (index == 0 ? "" : "\n") << (index + 1) << ") " << ActionTitle(action) << ":";
        const char* separator = " ";
        for (const int key : bindings[static_cast<size_t>(index)]) {
            if (key != kNoKey) {
                text << separator << KeyLabel(key);
                separator = ", ";
            }
        }
    }
    text << "\n\n0) " << Text(TextId::ControlsRestore) << '\n' << Text(TextId::ControlsBack);
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
    message = DescribePreferencesProblem();
    return message.empty();
}

}  // namespace

std::string_view ActionTitle(GameAction action) {
    switch (action) {
        case GameAction::Left:
            return Text(TextId::ActionLeft);
        case GameAction::Right:
            return Text(TextId::ActionRight);
        case GameAction::Turn:
            return Text(TextId::ActionTurn);
        case GameAction::TurnClockwise:
            return Text(TextId::ActionTurnClockwise);
        case GameAction::SoftDrop:
            return Text(TextId::ActionSoftDrop);
        case GameAction::Drop:
            return Text(TextId::ActionDrop);
        case GameAction::Pause:
            return Text(TextId::ActionPause);
        case GameAction::Leave:
            return Text(TextId::ActionLeave);
        case GameAction::Count:
            break;
    }
    return {};
}

std::string KeyLabel(int virtualKey) {
    struct NamedKey {
        std::string_view name;
        TextId text;
    };
    static constexpr NamedKey kNamedKeys[] = {
        {"Backspace", TextId::KeyBackspace},
        {"Tab", TextId::KeyTab},
        {"Return", TextId::KeyReturn},
        {"Pause", TextId::KeyPause},
        {"CapsLock", TextId::KeyCapsLock},
        {"Escape", TextId::KeyEscape},
        {"Space", TextId::KeySpace},
        {"PageUp", TextId::KeyPageUp},
        {"PageDown", TextId::KeyPageDown},
        {"End", TextId::KeyEnd},
        {"Home", TextId::KeyHome},
        {"Left", TextId::KeyLeft},
        {"Up", TextId::KeyUp},
        {"Right", TextId::KeyRight},
        {"Down", TextId::KeyDown},
        {"Insert", TextId::KeyInsert},
        {"Delete", TextId::KeyDelete},
        {"Left Shift", TextId::KeyLeftShift},
        {"Right Shift", TextId::KeyRightShift},
        {"Left Ctrl", TextId::KeyLeftCtrl},
        {"Right Ctrl", TextId::KeyRightCtrl},
        {"Left Alt", TextId::KeyLeftAlt},
        {"Right Alt", TextId::KeyRightAlt},
    };
    constexpr std::string_view kKeypad = "Keypad ";
    const std::string_view name = KeyName(virtualKey);
    for (const NamedKey& key : kNamedKeys) {
        if (key.name == name) {
            return std::string(Text(key.text));
        }
    }
    if (name.starts_with(kKeypad)) {
        return FormatText(TextId::KeyKeypad, {name.substr(kKeypad.size())});
    }
    return std::string(name);
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
            message_ = Text(TextId::ControlsRestored);
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
    message_ = FormatText(TextId::ControlsPressKey, {ActionTitle(action)});
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
        switch (ReservedKeyFor(action, key)) {
            case KeyReservation::GameOwn:
                message_ = FormatText(TextId::ControlsKeyGameOwn, {KeyLabel(key)});
                return;
            case KeyReservation::Answer:
                message_ = FormatText(TextId::ControlsKeyAnswers, {KeyLabel(key)});
                return;
            case KeyReservation::None:
                break;
        }
        KeyBindings bindings = GetKeyBindings();
        if (const auto owner = BindKey(bindings, action, key)) {
            message_ = FormatText(TextId::ControlsKeyTaken, {KeyLabel(key), ActionTitle(*owner)});
            return;
        }
        if (KeepBindings(bindings, message_)) {
            message_ = FormatText(TextId::ControlsBound, {ActionTitle(action), KeyLabel(key)});
        }
        return;
    }
}

void ControlsScreen::Render() {
    NonGameScreenBase::Render();
    ComposeControlsText(GetKeyBindings(), text_);
    const std::string& text = text_.Str();
    const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    const int centre = kScreenWidth / 2;
    const int left = centre - kPanelHalfWidth + kTextMargin;
    const int right = centre + kPanelHalfWidth - kTextMargin;
    // The message's lines, after a blank one, are there even when empty, so the panel keeps its
    // size; a message wider than the panel wraps. The panel ends below them where the text puts
    // its lines.
    const int messageTop = TextLineTop(FontId::Small, kTextTop, lines + 1);
    const int messageBottom = TextLineTop(FontId::Small, kTextTop, lines + kMessageLines) +
                              MeasureText(FontId::Small, " ").height;
    const Rect body{centre - kPanelHalfWidth, kPanelTop, centre + kPanelHalfWidth,
                    messageBottom + kTextMargin};
    DrawTitledPanel(&body, Text(TextId::ControlsTitle));
    DrawLinesWithMarker(text, left, kTextTop, selected_);
    const Rect messageBox{left, messageTop, right, messageBottom};
    DrawStringWrapped(FontId::Small, message_, &messageBox);
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/SettingsScreen.h"

#include "app/LanguageChoice.h"
#include "app/MainLoop.h"
#include "app/WindowModeChoice.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "screens/KeyReading.h"
#include "screens/LineMarker.h"
#include "sound/Sound.h"
#include "storage/PreferencesFile.h"
#include "strings/Texts.h"

namespace Drobix {

namespace {

constexpr int kLineCount = 8;
constexpr int kWindowLine = 0;
constexpr int kMusicLine = 1;
constexpr int kEffectsLine = 2;
constexpr int kShadowLine = 3;
constexpr int kPatternsLine = 4;
constexpr int kControlsLine = 5;
// After the controls, so that each older line keeps its digit.
constexpr int kHandlingLine = 6;
constexpr int kLanguageLine = 7;

constexpr int kPanelHalfWidth = 150;
constexpr int kPanelTop = 260;
constexpr int kPanelExtra = 40;
constexpr int kTextTop = 280;
// Why changes are not saved, when they are not: below the panel.
constexpr int kProblemGap = 12;

std::string_view OnOff(bool on) {
    return Text(on ? TextId::ValueOn : TextId::ValueOff);
}

// The language setting as the line names it: automatic, or the language in its own words.
std::string_view LanguageSettingName(const std::string& setting) {
    if (setting == kAutomaticLanguage) {
        return Text(TextId::LanguageAutomatic);
    }
    for (const Language& language : AvailableLanguages()) {
        if (language.code == setting) {
            return language.name;
        }
    }
    return kTextTable[static_cast<size_t>(TextId::LanguageName)].english;
}

void ComposeSettingsText(const Preferences& preferences, bool windowed, FrameText& text) {
    const TextId window = windowed ? TextId::WindowModeWindow : TextId::WindowModeFullScreen;
    const TextId handling =
        preferences.handling == Handling::Modern ? TextId::HandlingModern : TextId::HandlingClassic;
    text.Clear() << "1) ";
    text.Format(Text(TextId::SettingWindow), {Text(window)}) << "\n2) ";
    text.Format(Text(TextId::SettingMusicLevel), {NumberText(preferences.musicLevel)}) << "\n3) ";
    text.Format(Text(TextId::SettingEffectsLevel), {NumberText(preferences.effectsLevel)});
    text << "\n4) ";
    text.Format(Text(TextId::SettingLandingShadow), {OnOff(preferences.shadow)}) << "\n5) ";
    text.Format(Text(TextId::SettingCellPatterns), {OnOff(preferences.patterns)});
    text << "\n6) " << Text(TextId::ControlsTitle) << "\n7) ";
    text.Format(Text(TextId::SettingHandling), {Text(handling)}) << "\n8) ";
    text.Format(Text(TextId::SettingLanguage), {LanguageSettingName(preferences.language)});
    text << "\n\n" << Text(TextId::BackToMainMenu);
}

bool IsWindowed() {
    return CurrentWindowMode() == PreferredWindowMode::Window;
}

}  // namespace

std::string BuildSettingsText(const Preferences& preferences, bool windowed) {
    FrameText text;
    ComposeSettingsText(preferences, windowed, text);
    return text.Str();
}

int StepLevel(int level, int direction) {
    const int next = level + direction;
    if (next > kMaxSoundLevel) {
        return kMinSoundLevel;
    }
    return next < kMinSoundLevel ? kMaxSoundLevel : next;
}

void SettingsScreen::OnEnter() {
    NonGameScreenBase::OnEnter();
    keyTimer_ = 0;
}

void SettingsScreen::Update(unsigned elapsedMs) {
    NonGameScreenBase::Update(elapsedMs);
    if (AdvanceKeyGate(elapsedMs, keyTimer_)) {
        ReadKeys();
    }
}

// The keyboard and a pad's buttons, each read on its own, so that the keys a pad holds for the
// other menus do not act here twice.
void SettingsScreen::ReadKeys() {
    for (int line = 0; line < kLineCount; ++line) {
        if (IsKeyboardKeyActing(VirtualKey::kDigit0 + line + 1)) {
            selected_ = line;
            Change(line, 1);
            return;
        }
    }
    if (IsKeyboardKeyActing(VirtualKey::kUp) || IsButtonActing(PadButton::DpadUp)) {
        selected_ = (selected_ + kLineCount - 1) % kLineCount;
    } else if (IsKeyboardKeyActing(VirtualKey::kDown) || IsButtonActing(PadButton::DpadDown)) {
        selected_ = (selected_ + 1) % kLineCount;
    } else if (IsKeyboardKeyActing(VirtualKey::kLeft) || IsButtonActing(PadButton::DpadLeft)) {
        Change(selected_, -1);
    } else if (IsKeyboardKeyActing(VirtualKey::kRight) || IsButtonActing(PadButton::DpadRight) ||
               IsKeyboardKeyActing(VirtualKey::kEnter) || IsButtonActing(PadButton::A)) {
        Change(selected_, 1);
    } else if (IsKeyboardKeyActing(VirtualKey::kEscape) || IsButtonActing(PadButton::B)) {
        SwitchScreen(ScreenNumber::Intro);
        return;
    } else {
        return;
    }
    keyTimer_ = 0;
}

void SettingsScreen::Change(int line, int direction) {
    keyTimer_ = 0;
    Preferences& preferences = GetPreferences();
    switch (line) {
        case kWindowLine:
            ChangeWindowMode(IsWindowed() ? PreferredWindowMode::Fullscreen
                                          : PreferredWindowMode::Window);
            break;
        case kMusicLine:
            preferences.musicLevel = StepLevel(preferences.musicLevel, direction);
            ApplySoundLevels();
            break;
        case kEffectsLine:
            preferences.effectsLevel = StepLevel(preferences.effectsLevel, direction);
            ApplySoundLevels();
            break;
        case kShadowLine:
            preferences.shadow = !preferences.shadow;
            break;
        case kPatternsLine:
            preferences.patterns = !preferences.patterns;
            break;
        case kHandlingLine:
            preferences.handling =
                preferences.handling == Handling::Modern ? Handling::Classic : Handling::Modern;
            break;
        case kLanguageLine:
            preferences.language = StepLanguageSetting(preferences.language, direction);
            ApplyLanguageChoice();
            break;
        case kControlsLine:
            if (direction > 0) {
                SwitchScreen(ScreenNumber::Controls);
            }
            return;
        default:
            return;
    }
    // A save that fails says why, below the panel (see Render), until one succeeds.
    SavePreferences();
}

std::string DescribePreferencesProblem() {
    const PreferencesProblem problem = PreferencesFileProblem();
    switch (problem.kind) {
        case PreferencesProblem::Kind::NotRead:
            return std::string(Text(TextId::SettingsNotRead));
        case PreferencesProblem::Kind::NotSaved:
            return FormatText(TextId::SettingsNotSaved, {problem.reason});
        case PreferencesProblem::Kind::None:
            break;
    }
    return {};
}

void SettingsScreen::Render() {
    NonGameScreenBase::Render();
    ComposeSettingsText(GetPreferences(), IsWindowed(), text_);
    const std::string& text = text_.Str();
    const TextSize size = MeasureText(FontId::Small, text);
    const int centre = kScreenWidth / 2;
    const int left = centre - size.width / 2;
    const Rect body{centre - kPanelHalfWidth, kPanelTop, centre + kPanelHalfWidth,
                    kPanelTop + kPanelExtra + size.height};
    DrawTitledPanel(&body, Text(TextId::MenuSettings));
    DrawLinesWithMarker(text, left, kTextTop, selected_);
    const std::string problem = DescribePreferencesProblem();
    if (!problem.empty()) {
        const int width = MeasureText(FontId::Small, problem).width;
        DrawString(FontId::Small, problem, centre - width / 2, body.bottom + kProblemGap);
    }
}

}  // namespace Drobix

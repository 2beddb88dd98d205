// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/OptionsScreen.h"

#include <string_view>

#include "app/MainLoop.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "screens/KeyReading.h"
#include "storage/SavePoint.h"
#include "storage/Settings.h"
#include "strings/Texts.h"

namespace Drobix {

namespace {

constexpr int kOptionCount = 7;
constexpr uint32_t kMaxRubbishRows = 10;
constexpr uint32_t kMaxStartingLevel = 9;
constexpr double kFrequencyStep = 0.1;
constexpr float kLowestFrequency = 0.1F;
constexpr float kPercent = 100.0F;

constexpr int kPanelHalfWidth = 150;
constexpr int kPanelTop = 260;
constexpr int kPanelExtra = 40;
constexpr int kTextTop = 280;

// Where the text starts, fixed at the first drawing in the process (and again in another
// language), so that a value of another width shown later does not move the lines.
int optionsTextX = -1;
std::string optionsTextLanguage;

// The choices' names as the screen shows them. Only a value cast from outside its type falls
// past a switch: it shows no name and keeps its value when stepped.
std::string_view NameOf(BlockSet set) {
    switch (set) {
        case BlockSet::Standard:
            return Text(TextId::BlocksStandard);
        case BlockSet::StandardPlusExtra:
            return Text(TextId::BlocksStandardPlusExtra);
        case BlockSet::Crazy:
            return Text(TextId::BlocksCrazy);
    }
    return {};
}

std::string_view NameOf(BlockPreview preview) {
    switch (preview) {
        case BlockPreview::On:
            return Text(TextId::ValueOn);
        case BlockPreview::Off:
            return Text(TextId::ValueOff);
        case BlockPreview::Random:
            return Text(TextId::PreviewRandom);
    }
    return {};
}

std::string_view NameOf(BlockColourMode colours) {
    switch (colours) {
        case BlockColourMode::Fixed:
            return Text(TextId::ColourFixed);
        case BlockColourMode::Random:
            return Text(TextId::ColourRandom);
    }
    return {};
}

// Each choice steps to the next in the order shown, the last back to the first.
BlockSet NextChoice(BlockSet set) {
    switch (set) {
        case BlockSet::Standard:
            return BlockSet::StandardPlusExtra;
        case BlockSet::StandardPlusExtra:
            return BlockSet::Crazy;
        case BlockSet::Crazy:
            return BlockSet::Standard;
    }
    return set;
}

BlockPreview NextChoice(BlockPreview preview) {
    switch (preview) {
        case BlockPreview::On:
            return BlockPreview::Off;
        case BlockPreview::Off:
            return BlockPreview::Random;
        case BlockPreview::Random:
            return BlockPreview::On;
    }
    return preview;
}

BlockColourMode NextChoice(BlockColourMode colours) {
    switch (colours) {
        case BlockColourMode::Fixed:
            return BlockColourMode::Random;
        case BlockColourMode::Random:
            return BlockColourMode::Fixed;
    }
    return colours;
}

float NextFrequency(float frequency) {
    const auto next = static_cast<float>(static_cast<double>(frequency) + kFrequencyStep);
    return static_cast<int>(next) == 1 ? kLowestFrequency : next;
}

}  // namespace

std::string BuildOptionsText(const Settings& settings) {
    FrameText text;
    ComposeOptionsText(settings, text);
    return text.Str();
}

void ComposeOptionsText(const Settings& settings, FrameText& text) {
    const std::string_view sound = Text(settings.sound != 0 ? TextId::ValueOn : TextId::ValueOff);
    text.Clear() << "1) ";
    text.Format(Text(TextId::OptionSound), {sound}) << "\n2) ";
    text.Format(Text(TextId::OptionRubbishRows), {NumberText(settings.rubbishRows)}) << "\n3) ";
    text.Format(Text(TextId::OptionRubbishFrequency),
                {NumberText(static_cast<double>(settings.rubbishFrequency * kPercent))});
    text << "\n4) ";
    text.Format(Text(TextId::OptionStartingLevel), {NumberText(settings.startingLevel)});
    text << "\n5) ";
    text.Format(Text(TextId::OptionBlockTypes), {NameOf(settings.blockTypes)}) << "\n6) ";
    text.Format(Text(TextId::OptionBlockPreview), {NameOf(settings.blockPreview)}) << "\n7) ";
    text.Format(Text(TextId::OptionBlockColour), {NameOf(settings.blockColour)});
    text << "\n\n" << Text(TextId::BackToMainMenu);
}

void StepOption(Settings& settings, int digit) {
    switch (digit) {
        case 1:
            settings.sound = settings.sound != 0 ? 0 : 1;
            break;
        case 2:
            settings.rubbishRows =
                settings.rubbishRows + 1 > kMaxRubbishRows ? 0 : settings.rubbishRows + 1;
            break;
        case 3:
            settings.rubbishFrequency = NextFrequency(settings.rubbishFrequency);
            break;
        case 4:
            settings.startingLevel =
                settings.startingLevel + 1 > kMaxStartingLevel ? 0 : settings.startingLevel + 1;
            break;
        case 5:
            settings.blockTypes = NextChoice(settings.blockTypes);
            break;
        case 6:
            settings.blockPreview = NextChoice(settings.blockPreview);
            break;
        case 7:
            settings.blockColour = NextChoice(settings.blockColour);
            break;
        default:
            break;
    }
}

void OptionsScreen::OnEnter() {
    NonGameScreenBase::OnEnter();
    keyTimer_ = 0;
}

void OptionsScreen::OnLeave(ScreenNumber nextScreen) {
    NonGameScreenBase::OnLeave(nextScreen);
    SaveSettingsNow();
}

void OptionsScreen::Update(unsigned elapsedMs) {
    NonGameScreenBase::Update(elapsedMs);
    if (AdvanceKeyGate(elapsedMs, keyTimer_)) {
        ReadKeys();
    }
}

void OptionsScreen::ReadKeys() {
    for (int digit = 1; digit <= kOptionCount; ++digit) {
        if (IsKeyActing(VirtualKey::kDigit0 + digit)) {
            StepOption(*GetSettings(), digit);
            keyTimer_ = 0;
            return;
        }
    }
    if (IsKeyActing(VirtualKey::kEscape)) {
        SwitchScreen(ScreenNumber::Intro);
    }
}

void OptionsScreen::Render() {
    NonGameScreenBase::Render();
    ComposeOptionsText(*GetSettings(), text_);
    const std::string& text = text_.Str();
    const TextSize size = MeasureText(FontId::Small, text);
    const int centre = kScreenWidth / 2;
    if (optionsTextX == -1 || optionsTextLanguage != LanguageInUse()) {
        optionsTextX = centre - size.width / 2;
        optionsTextLanguage = LanguageInUse();
    }
    const Rect body{centre - kPanelHalfWidth, kPanelTop, centre + kPanelHalfWidth,
                    kPanelTop + kPanelExtra + size.height};
    DrawTitledPanel(&body, Text(TextId::MenuOptions));
    DrawString(FontId::Small, text, optionsTextX, kTextTop);
}

}  // namespace Drobix

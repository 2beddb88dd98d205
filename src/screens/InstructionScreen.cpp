// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/InstructionScreen.h"

#include <string>
#include <string_view>

#include "app/MainLoop.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "resources/ResourceIds.h"
#include "screens/InstructionScreenTesting.h"
#include "screens/KeyReading.h"
#include "strings/Strings.h"
#include "strings/Texts.h"

namespace Drobix {

namespace {

constexpr int kHelpWidth = 710;
constexpr int kHelpHeight = 270;
constexpr int kHelpLeft = 45;
constexpr int kHelpTop = 280;
constexpr Rect kPanelBody{25, 260, 775, 570};
constexpr int kFooterMargin = 20;

ImageSurface* helpTextSurface = nullptr;

// In English the help text resource; in another language its paragraphs, a blank line between.
std::string HelpText() {
    if (LanguageInUse().empty()) {
        return LoadString(ResourceId::kHelpText);
    }
    std::string text;
    for (const TextId paragraph :
         {TextId::HelpParagraph1, TextId::HelpParagraph2, TextId::HelpParagraph3,
          TextId::HelpParagraph4, TextId::HelpParagraph5, TextId::HelpParagraph6}) {
        text.append(text.empty() ? "" : "\n\n").append(Text(paragraph));
    }
    return text;
}

void RedrawHelpText() {
    const std::string text = HelpText();
    const Rect box{0, 0, kHelpWidth, kHelpHeight};
    DrawStringWrapped(FontId::Small, text, &box, helpTextSurface);
}

}  // namespace

void InstructionScreen::OnEnter() {
    NonGameScreenBase::OnEnter();
    if (helpTextSurface == nullptr) {
        helpTextSurface = CreateBlankImage(kHelpWidth, kHelpHeight, RedrawHelpText);
        RedrawHelpText();
    }
}

void InstructionScreen::OnLeave(ScreenNumber nextScreen) {
    NonGameScreenBase::OnLeave(nextScreen);
    DestroyImage(helpTextSurface);
    helpTextSurface = nullptr;
}

void InstructionScreen::Update(unsigned elapsedMs) {
    NonGameScreenBase::Update(elapsedMs);
    if (AdvanceKeyGate(elapsedMs, keyTimer_) && IsKeyActing(VirtualKey::kEscape)) {
        SwitchScreen(ScreenNumber::Intro);
    }
}

void InstructionScreen::Render() {
    NonGameScreenBase::Render();
    DrawTitledPanel(&kPanelBody, Text(TextId::MenuInstructions));
    DrawImage(helpTextSurface, kHelpLeft, kHelpTop);
    const std::string_view footerText = Text(TextId::HelpFooter);
    const TextSize footer = MeasureText(FontId::Small, footerText);
    DrawString(FontId::Small, footerText, kScreenWidth / 2 - footer.width / 2,
               kPanelBody.bottom - footer.height - kFooterMargin);
}

namespace Testing {

const ImageSurface* GetHelpTextSurface() {
    return helpTextSurface;
}

}  // namespace Testing

}  // namespace Drobix

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

namespace Drobix {

namespace {

constexpr int kHelpWidth = 710;
constexpr int kHelpHeight = 270;
constexpr int kHelpLeft = 45;
constexpr int kHelpTop = 280;
constexpr Rect kPanelBody{25, 260, 775, 570};
constexpr int kFooterMargin = 20;
constexpr std::string_view kFooter = "Press (Esc) to return to the main menu";

ImageSurface* helpTextSurface = nullptr;

void RedrawHelpText() {
    const std::string text = LoadString(ResourceId::kHelpText);
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
    DrawTitledPanel(&kPanelBody, "Instructions");
    DrawImage(helpTextSurface, kHelpLeft, kHelpTop);
    const TextSize footer = MeasureText(FontId::Small, kFooter);
    DrawString(FontId::Small, kFooter, kScreenWidth / 2 - footer.width / 2,
               kPanelBody.bottom - footer.height - kFooterMargin);
}

namespace Testing {

const ImageSurface* GetHelpTextSurface() {
    return helpTextSurface;
}

}  // namespace Testing

}  // namespace Drobix

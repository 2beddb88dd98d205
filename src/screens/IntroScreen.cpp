// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/IntroScreen.h"

#include <string_view>

#include "app/MainLoop.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "resources/ResourceIds.h"
#include "screens/KeyReading.h"
#include "sound/Sound.h"
#include "storage/Settings.h"
#include "strings/Strings.h"
#include "strings/Texts.h"

namespace Drobix {

namespace {

constexpr int kMenuHalfWidth = 95;
constexpr int kMenuTop = 260;
constexpr int kMenuTextTop = 280;
// The panel's body is the text's height and this much more.
constexpr int kMenuPanelExtra = 40;

constexpr Rect kHighScoreBody{250, 410, 550, 490};
constexpr int kHighScoreLeft = 270;
constexpr int kHighScoreRight = 530;
constexpr int kHighScoreTop = 430;
constexpr int kTableScoreDigits = 6;

constexpr int kCreditsLeft = 50;
constexpr int kCreditsRight = 750;
constexpr int kCreditsTop = 550;
constexpr int kCreditsTextTop = 555;
constexpr int kCreditsStripPadding = 10;
// The text starts beyond the strip's right end and is reset once it has passed its left end.
constexpr uint32_t kScrollRestartMargin = 700;
constexpr uint32_t kScrollStepMs = 10;

constexpr int kVersionPadding = 2;

// Between the high scores and the credits strip.
constexpr int kSoundLineTop = 515;

}  // namespace

std::string FormatTableScore(uint32_t score) {
    std::string digits = std::to_string(score);
    if (digits.size() < kTableScoreDigits) {
        digits.insert(0, kTableScoreDigits - digits.size(), '0');
    }
    return digits;
}

namespace {

// The settings take the empty line's place, so the panel keeps its size.
void ComposeMenuText(FrameText& text) {
    text.Clear() << "1) " << Text(TextId::MenuInstructions) << "\n2) " << Text(TextId::MenuOptions)
                 << "\n3) " << Text(TextId::MenuNewGame) << "\n4) " << Text(TextId::MenuSettings)
                 << '\n'
                 << Text(TextId::MenuExit);
}

}  // namespace

void IntroScreen::OnEnter() {
    NonGameScreenBase::OnEnter();
    keyTimer_ = 0;
    scrollOffset_ = 0;
    const std::string credits = LanguageInUse().empty() ? LoadString(ResourceId::kCreditsText)
                                                        : std::string(Text(TextId::Credits));
    if (creditsText_ != credits) {
        creditsText_ = credits;
        creditsWidth_ = static_cast<uint32_t>(MeasureText(FontId::Small, creditsText_).width);
    }
}

void IntroScreen::Update(unsigned elapsedMs) {
    NonGameScreenBase::Update(elapsedMs);
    scrollTimer_ += elapsedMs;
    if (AdvanceKeyGate(elapsedMs, keyTimer_)) {
        ReadKeys();
    }
    AdvanceScroll();
}

void IntroScreen::ReadKeys() {
    if (IsKeyActing('1')) {
        SwitchScreen(ScreenNumber::Instructions);
    } else if (IsKeyActing('2')) {
        SwitchScreen(ScreenNumber::Options);
    } else if (IsKeyActing('3')) {
        SwitchScreen(ScreenNumber::Game);
    } else if (IsKeyActing('4')) {
        SwitchScreen(ScreenNumber::Settings);
    } else if (IsKeyActing(VirtualKey::kEscape)) {
        RequestQuit();
    }
}

void IntroScreen::AdvanceScroll() {
    if (scrollTimer_ <= kScrollStepMs) {
        return;
    }
    scrollTimer_ = 0;
    scrollOffset_ += 1;
    if (scrollOffset_ > creditsWidth_ + kScrollRestartMargin) {
        scrollOffset_ = 0;
    }
}

void IntroScreen::Render() {
    NonGameScreenBase::Render();
    DrawMenu();
    DrawHighScores();
    DrawCredits();
    DrawVersion();
    DrawSoundLine();
}

void IntroScreen::DrawMenu() const {
    ComposeMenuText(line_);
    const TextSize size = MeasureText(FontId::Small, line_.Str());
    const int centre = kScreenWidth / 2;
    const Rect body{centre - kMenuHalfWidth, kMenuTop, centre + kMenuHalfWidth,
                    kMenuTop + kMenuPanelExtra + size.height};
    DrawTitledPanel(&body, Text(TextId::MenuTitle));
    DrawString(FontId::Small, line_.Str(), centre - size.width / 2, kMenuTextTop);
}

void IntroScreen::DrawHighScores() const {
    DrawTitledPanel(&kHighScoreBody, Text(TextId::HighScoresTitle));
    int y = kHighScoreTop;
    for (int i = 0; i < kHighScoreCount; ++i) {
        const HighScoreEntry& entry = GetHighScore(i);
        line_.Clear() << (i + 1) << ". " << entry.name;
        DrawString(FontId::Small, line_.Str(), kHighScoreLeft, y);
        const std::string score = FormatTableScore(entry.score);
        const TextSize size = MeasureText(FontId::Small, score);
        DrawString(FontId::Small, score, kHighScoreRight - size.width, y);
        y += size.height;
    }
}

void IntroScreen::DrawCredits() const {
    const BitmapFont* font = GetFont(FontId::Small);
    const int lineHeight = font != nullptr ? font->lineHeight : 0;
    const Rect strip{kCreditsLeft, kCreditsTop, kCreditsRight,
                     kCreditsTop + lineHeight + kCreditsStripPadding};
    DrawPanel(&strip, true);
    SetClipRects(&strip, 1);
    DrawString(FontId::Small, creditsText_, kCreditsRight - static_cast<int>(scrollOffset_),
               kCreditsTextTop);
    ClearClip();
}

// Where the sound waits for the player (a browser), the player is told how to start it.
void IntroScreen::DrawSoundLine() const {
    if (!SoundAwaitsPlayer()) {
        return;
    }
    const std::string_view text = Text(TextId::PressKeyForSound);
    const TextSize size = MeasureText(FontId::Small, text);
    DrawString(FontId::Small, text, (kScreenWidth - size.width) / 2, kSoundLineTop);
}

void IntroScreen::DrawVersion() const {
    line_.Clear().Format(Text(TextId::DirectXDetected), {directXVersionText});
    const std::string& text = line_.Str();
    const TextSize size = MeasureText(FontId::Small, text);
    const int left = kScreenWidth - size.width;
    const int top = kScreenHeight - size.height;
    const Rect backing{left - kVersionPadding, top - kVersionPadding, kScreenWidth, kScreenHeight};
    DrawPanel(&backing, false);
    DrawString(FontId::Small, text, left, top);
}

}  // namespace Drobix

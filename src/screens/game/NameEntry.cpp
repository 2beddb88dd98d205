// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/game/NameEntry.h"

#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "storage/Settings.h"

namespace Drobix {

namespace {
constexpr uint32_t kCaretBlinkMs = 500;
constexpr uint32_t kNameKeyGateMs = 120;
constexpr FontId kNameFont = FontId::Small;
constexpr Rect kPanelBody{200, 240, 600, 360};
constexpr int kTextInset = 20;
constexpr int kNameBoxLeft = 300;
constexpr int kNameBoxRight = 500;
constexpr int kNameTextLeft = 302;
}  // namespace

void NameEntry::Reset() {
    name_.clear();
    // So that typing never allocates.
    name_.reserve(kMaxNameLength);
    caret_ = 0;
    caretVisible_ = true;
    caretTimer_ = 0;
}

bool NameEntry::Update(uint32_t elapsed, uint32_t& keyTimer, uint32_t score) {
    caretTimer_ += elapsed;
    if (caretTimer_ > kCaretBlinkMs) {
        caretTimer_ = 0;
        caretVisible_ = !caretVisible_;
    }
    bool closed = false;
    if (keyTimer > kNameKeyGateMs && HandleKeys(score, closed)) {
        keyTimer = 0;
    }
    return closed;
}

bool NameEntry::HandleKeys(uint32_t score, bool& closed) {
    // Editing keys whose condition fails let the later keys be looked at.
    if (IsKeyDown(VirtualKey::kLeft) && caret_ > 0) {
        --caret_;
        return true;
    }
    if (IsKeyDown(VirtualKey::kRight) && caret_ < name_.size()) {
        ++caret_;
        return true;
    }
    if (IsKeyDown(VirtualKey::kBackspace) && caret_ > 0) {
        name_.erase(caret_ - 1, 1);
        --caret_;
        return true;
    }
    if (IsKeyDown(VirtualKey::kEnd)) {
        caret_ = name_.size();
        return true;
    }
    if (IsKeyDown(VirtualKey::kHome)) {
        caret_ = 0;
        return true;
    }
    if (IsKeyDown(VirtualKey::kEnter)) {
        InsertHighScore({name_, score});
        closed = true;
        return true;
    }
    if (IsKeyDown(VirtualKey::kEscape)) {
        closed = true;
        return true;
    }
    return TypeCharacter();
}

// Only characters the small font can draw enter a name, and no more than the limit.
bool NameEntry::TypeCharacter() {
    char typed = 0;
    if (name_.size() >= kMaxNameLength || !ReadTypedCharacter(&typed) ||
        !FontHasGlyph(kNameFont, typed)) {
        return false;
    }
    name_.insert(caret_, 1, typed);
    ++caret_;
    return true;
}

void NameEntry::Render(uint32_t score, ImageSurface* caretImage) const {
    DrawTitledPanel(&kPanelBody, "High Score!");
    const Rect textArea{kPanelBody.left + kTextInset, kPanelBody.top + kTextInset,
                        kPanelBody.right - kTextInset, kPanelBody.bottom - kTextInset};
    message_.Clear() << "Congratulations! Your score of " << score
                     << " has placed you amongst such Drobix greats as " << GetHighScore(0).name
                     << " and " << GetHighScore(1).name << ". Please enter your name below:";
    DrawStringWrapped(kNameFont, message_.Str(), &textArea);

    const BitmapFont* font = GetFont(kNameFont);
    const int lineHeight = font != nullptr ? font->lineHeight : 0;
    const Rect nameBox{kNameBoxLeft, textArea.bottom - lineHeight - 4, kNameBoxRight,
                       textArea.bottom};
    DrawBorderedPanel(&nameBox);
    const int textTop = nameBox.top + 2;
    DrawString(kNameFont, name_, kNameTextLeft, textTop);
    if (caretVisible_) {
        const int left = kNameTextLeft - 1 +
                         MeasureText(kNameFont, std::string_view(name_).substr(0, caret_)).width;
        const Rect source{0, 0, 1, 1};
        const Rect bar{left, textTop, left + 1, textTop + lineHeight};
        StretchImage(caretImage, &source, &bar);
    }
}

}  // namespace Drobix

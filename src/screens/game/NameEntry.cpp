// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/game/NameEntry.h"

#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "input/KeyPresses.h"
#include "screens/KeyReading.h"
#include "storage/Settings.h"
#include "strings/Texts.h"

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

// The picker: every character the small font draws that a keyboard commonly types, in rows of
// kPickerColumns, the space last.
constexpr std::string_view kPickerCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!#%&*()-+=;:'\",<.>/?@ ";
constexpr size_t kPickerColumns = 12;
constexpr size_t kPickerRows = (kPickerCharacters.size() + kPickerColumns - 1) / kPickerColumns;
constexpr int kPickerTop = 404;
constexpr int kPickerInset = 12;
constexpr int kPickerCellWidth = 30;
constexpr int kPickerCellPadding = 2;

// One step of the selection on the picker's grid, wrapping within its row or column; cells past
// the last character are skipped.
size_t StepPicker(size_t index, int columns, int rows) {
    const auto count = static_cast<int>(kPickerCharacters.size());
    int row = static_cast<int>(index / kPickerColumns);
    int column = static_cast<int>(index % kPickerColumns);
    const auto width = static_cast<int>(kPickerColumns);
    const auto height = static_cast<int>(kPickerRows);
    do {
        column = (column + columns + width) % width;
        row = (row + rows + height) % height;
    } while (row * width + column >= count);
    return static_cast<size_t>(row) * kPickerColumns + static_cast<size_t>(column);
}
}  // namespace

char NameEntry::GetPickedCharacter() const {
    return kPickerCharacters[picked_];
}

void NameEntry::Reset() {
    name_.clear();
    // So that typing never allocates.
    name_.reserve(kMaxNameLength);
    caret_ = 0;
    caretVisible_ = true;
    caretTimer_ = 0;
    picked_ = 0;
    typed_.reserve(kTypedTextRoom);
    pendingScore_.reset();
}

bool NameEntry::Update(uint32_t elapsed, uint32_t& keyTimer) {
    caretTimer_ += elapsed;
    if (caretTimer_ > kCaretBlinkMs) {
        caretTimer_ = 0;
        caretVisible_ = !caretVisible_;
    }
    bool closed = false;
    if (IsModernHandling()) {
        HandleModernKeys(closed);
    } else if (keyTimer > kNameKeyGateMs && HandleKeys(closed)) {
        keyTimer = 0;
    }
    return closed;
}

void NameEntry::Open(uint32_t score) {
    pendingScore_ = score;
    if (IsModernHandling()) {
        StartTyping();
    }
}

void NameEntry::Close() {
    StopTyping();
}

void NameEntry::KeepPendingScore() {
    if (!pendingScore_) {
        return;
    }
    // Cleared first: the entry is in the table once, however the session's end comes about.
    const uint32_t score = *pendingScore_;
    pendingScore_.reset();
    InsertHighScore({name_, score});
}

// Every key on its own, each press once and then as it repeats; the name's characters come from
// the window system's typing, in the order typed, before Enter keeps them.
void NameEntry::HandleModernKeys(bool& closed) {
    if (KeyboardKeyActs(VirtualKey::kLeft) && caret_ > 0) {
        --caret_;
    }
    if (KeyboardKeyActs(VirtualKey::kRight) && caret_ < name_.size()) {
        ++caret_;
    }
    if (KeyboardKeyActs(VirtualKey::kBackspace) && caret_ > 0) {
        name_.erase(caret_ - 1, 1);
        --caret_;
    }
    if (KeyboardKeyActs(VirtualKey::kDelete) && caret_ < name_.size()) {
        name_.erase(caret_, 1);
    }
    if (KeyboardKeyActs(VirtualKey::kEnd, Repeats::No)) {
        caret_ = name_.size();
    }
    if (KeyboardKeyActs(VirtualKey::kHome, Repeats::No)) {
        caret_ = 0;
    }
    TakeTypedText(typed_);
    for (const char character : typed_) {
        InsertTyped(character);
    }
    HandlePad(closed);
    if (closed) {
        return;
    }
    if (KeyboardKeyActs(VirtualKey::kEnter, Repeats::No)) {
        KeepPendingScore();
        closed = true;
    } else if (KeyboardKeyActs(VirtualKey::kEscape, Repeats::No)) {
        pendingScore_.reset();
        closed = true;
    }
}

bool NameEntry::HandleKeys(bool& closed) {
    // The keyboard's own keys: a pad's buttons also hold Enter and Esc, and mean else here.
    // Editing keys whose condition fails let the later keys be looked at.
    if (IsKeyboardKeyDown(VirtualKey::kLeft) && caret_ > 0) {
        --caret_;
        return true;
    }
    if (IsKeyboardKeyDown(VirtualKey::kRight) && caret_ < name_.size()) {
        ++caret_;
        return true;
    }
    if (IsKeyboardKeyDown(VirtualKey::kBackspace) && caret_ > 0) {
        name_.erase(caret_ - 1, 1);
        --caret_;
        return true;
    }
    if (IsKeyboardKeyDown(VirtualKey::kEnd)) {
        caret_ = name_.size();
        return true;
    }
    if (IsKeyboardKeyDown(VirtualKey::kHome)) {
        caret_ = 0;
        return true;
    }
    if (IsKeyboardKeyDown(VirtualKey::kEnter)) {
        KeepPendingScore();
        closed = true;
        return true;
    }
    if (IsKeyboardKeyDown(VirtualKey::kEscape)) {
        pendingScore_.reset();
        closed = true;
        return true;
    }
    return TypeCharacter() || HandlePad(closed);
}

bool NameEntry::HandlePad(bool& closed) {
    if (IsButtonActing(PadButton::DpadLeft)) {
        picked_ = StepPicker(picked_, -1, 0);
    } else if (IsButtonActing(PadButton::DpadRight)) {
        picked_ = StepPicker(picked_, 1, 0);
    } else if (IsButtonActing(PadButton::DpadUp)) {
        picked_ = StepPicker(picked_, 0, -1);
    } else if (IsButtonActing(PadButton::DpadDown)) {
        picked_ = StepPicker(picked_, 0, 1);
    } else if (IsButtonActing(PadButton::A)) {
        if (name_.size() >= kMaxNameLength) {
            return false;
        }
        name_.insert(caret_, 1, GetPickedCharacter());
        ++caret_;
    } else if (IsButtonActing(PadButton::B)) {
        if (caret_ == 0) {
            return false;
        }
        name_.erase(caret_ - 1, 1);
        --caret_;
    } else if (IsButtonActing(PadButton::Start)) {
        KeepPendingScore();
        closed = true;
    } else {
        return false;
    }
    return true;
}

// Only characters the small font can draw enter a name, and no more than the limit.
bool NameEntry::TypeCharacter() {
    char typed = 0;
    return name_.size() < kMaxNameLength && ReadTypedCharacter(&typed) && InsertTyped(typed);
}

bool NameEntry::InsertTyped(char character) {
    if (name_.size() >= kMaxNameLength || !FontHasGlyph(kNameFont, character)) {
        return false;
    }
    name_.insert(caret_, 1, character);
    ++caret_;
    return true;
}

void NameEntry::Render(uint32_t score, ImageSurface* caretImage) const {
    DrawTitledPanel(&kPanelBody, Text(TextId::HighScoreTitle));
    const Rect textArea{kPanelBody.left + kTextInset, kPanelBody.top + kTextInset,
                        kPanelBody.right - kTextInset, kPanelBody.bottom - kTextInset};
    message_.Clear().Format(Text(TextId::HighScoreMessage),
                            {NumberText(score), GetHighScore(0).name, GetHighScore(1).name});
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
    if (IsPadPresent()) {
        RenderPicker();
    }
}

void NameEntry::RenderPicker() const {
    const BitmapFont* font = GetFont(kNameFont);
    const int lineHeight = font != nullptr ? font->lineHeight : 0;
    const int rowHeight = lineHeight + 2 * kPickerCellPadding;
    const int width = static_cast<int>(kPickerColumns) * kPickerCellWidth;
    const int left = kScreenWidth / 2 - width / 2;
    const Rect body{left - kPickerInset, kPickerTop, left + width + kPickerInset,
                    kPickerTop + 2 * kPickerInset + static_cast<int>(kPickerRows) * rowHeight};
    DrawTitledPanel(&body, Text(TextId::PadTitle));
    for (size_t index = 0; index < kPickerCharacters.size(); ++index) {
        const int cellLeft = left + static_cast<int>(index % kPickerColumns) * kPickerCellWidth;
        const int cellTop =
            kPickerTop + kPickerInset + static_cast<int>(index / kPickerColumns) * rowHeight;
        if (index == picked_) {
            const Rect cell{cellLeft, cellTop, cellLeft + kPickerCellWidth, cellTop + rowHeight};
            DrawBorderedPanel(&cell);
        }
        const char character = kPickerCharacters[index];
        const std::string_view label = character == ' '
                                           ? Text(TextId::PadSpace)
                                           : std::string_view(&kPickerCharacters[index], 1);
        const int labelWidth = MeasureText(kNameFont, label).width;
        DrawString(kNameFont, label, cellLeft + (kPickerCellWidth - labelWidth) / 2,
                   cellTop + kPickerCellPadding);
    }
}

}  // namespace Drobix

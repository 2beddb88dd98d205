// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "screens/FrameText.h"

namespace Drobix {

class ImageSurface;

constexpr size_t kMaxNameLength = 20;
// Room for the characters typed in one frame: as many as the platform keeps waiting.
constexpr size_t kTypedTextRoom = 64;

// The line editor that takes a new high scorer's name, and its panel. While a pad is plugged in,
// a letter picker under the panel offers every character a name may hold: the D-pad or stick
// moves, A types, B deletes, Start keeps the name. The keyboard works beside it.
class NameEntry {
public:
    // Empty name, caret at 0 and shown, blink timer 0, no score pending: the state at every new
    // game.
    void Reset();

    // One frame of editing behind the shared key gate (more than 120 ms); in the modern handling
    // each key paces itself and the name is typed through the window system's text input. True
    // when Enter or Esc closed the entry; Enter has put the name into the table with the score.
    bool Update(uint32_t elapsed, uint32_t& keyTimer);
    // The entry opens for a score that made the table, which stays pending until Enter (or the
    // pad's Start) keeps it, Esc declines it or KeepPendingScore keeps it. The modern handling's
    // typing runs only between Open and Close.
    void Open(uint32_t score);
    void Close();
    // The session ends with the entry open: the pending score goes into the table with the name
    // as typed so far, exactly as Enter would put it. Once only; nothing when no score is
    // pending.
    void KeepPendingScore();

    // The panel over the dimmed field: the message naming the two best players, the name box and
    // the caret.
    void Render(uint32_t score, ImageSurface* caretImage) const;

    const std::string& GetName() const { return name_; }
    // The picker's character under the selection.
    char GetPickedCharacter() const;
    size_t GetCaret() const { return caret_; }
    bool IsCaretVisible() const { return caretVisible_; }

private:
    // False when no key acted.
    bool HandleKeys(bool& closed);
    void HandleModernKeys(bool& closed);
    bool TypeCharacter();
    // The character at the caret, when the font draws it and the name has room.
    bool InsertTyped(char character);
    bool HandlePad(bool& closed);
    void RenderPicker() const;

    std::string name_;
    size_t caret_ = 0;
    bool caretVisible_ = true;
    uint32_t caretTimer_ = 0;
    size_t picked_ = 0;
    // The score that made the table, from Open until it is kept or declined.
    std::optional<uint32_t> pendingScore_;
    // What the modern handling's typing gave in a frame, kept so that frames do not allocate.
    std::string typed_;
    // The message composed for drawing, kept so that frames do not allocate.
    mutable FrameText message_;
};

}  // namespace Drobix

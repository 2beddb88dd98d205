// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary text to the settings-file reader and checks that it never throws, that what it
// accepts is in range with no key bound to two actions and Leave and Pause never without a key,
// that every fault takes exactly one line, and that the preferences written back read again
// unchanged and without a fault. The same text is edited as a change on screen edits the file:
// an edit of nothing changes nothing, and a file read without a fault reads, once edited, with
// the new values. What is told of ASCII lines without the parser is the parser's own: a damaged
// line's message, a plain line's key and type, a document surely refused. Inputs run up to 64 KiB,
// the most the game reads (-max_len=65536).
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>
#include <vector>

#include "storage/PreferencesEdit.h"
#include "storage/PreferencesFile.h"
#include "storage/QuickTomlLine.h"
#include "storage/TomlLine.h"

namespace {

bool InRange(const Drobix::Preferences& p) {
    const auto level = [](int value) {
        return value >= Drobix::kMinSoundLevel && value <= Drobix::kMaxSoundLevel;
    };
    if (!level(p.musicLevel) || !level(p.effectsLevel)) {
        return false;
    }
    std::array<int, 256> owners{};
    for (const auto& keys : p.keys) {
        for (const int key : keys) {
            if (key < 0 || key >= 256 || (key != Drobix::kNoKey && ++owners[key] > 1)) {
                return false;
            }
        }
    }
    const auto bound = [&p](Drobix::GameAction action) {
        return p.keys[static_cast<size_t>(action)][0] != Drobix::kNoKey;
    };
    return bound(Drobix::GameAction::Leave) && bound(Drobix::GameAction::Pause);
}

// Edits the text as a change of the music level, the handling and the drop keys would.
void CheckEdits(std::string_view text, const Drobix::Preferences& read, bool clean) {
    if (Drobix::EditSettingsText(text, {}) != text) {
        std::abort();
    }
    const std::vector<Drobix::EntryEdit> edits{{"sound", "music", "3"},
                                               {"play", "handling", "\"modern\""},
                                               {"keys", "drop", "[ \"Keypad 5\" ]"}};
    const std::string edited = Drobix::EditSettingsText(text, edits);
    std::ostringstream faults;
    const Drobix::Preferences again = Drobix::ParsePreferences(edited, "F", faults);
    // Only a file the reader took whole is sure to take the edits whole: in a damaged one a
    // table may stand where no table may.
    if (clean && faults.str().empty() &&
        (again.musicLevel != 3 || again.handling != Drobix::Handling::Modern ||
         again.effectsLevel != read.effectsLevel || again.shadow != read.shadow)) {
        std::abort();
    }
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// What is found of a line without the parser is what the parser finds.
void CheckQuickLine(std::string_view line) {
    const auto damage = Drobix::QuickLineDamage(line);
    if (damage && damage->Text() != Drobix::ReadTomlLine(line).fault) {
        std::abort();
    }
    const auto plain = Drobix::QuickPlainLine(line);
    if (!plain) {
        return;
    }
    const Drobix::TomlLine read = Drobix::ReadTomlLine(line);
    if (!read.table || read.table->size() != 1 || read.table->begin()->first.str() != plain->key) {
        std::abort();
    }
    std::ostringstream type;
    type << read.table->begin()->second.type();
    const std::string_view expected = plain->kind == Drobix::PlainLine::Kind::Entry   ? plain->type
                                      : plain->kind == Drobix::PlainLine::Kind::Table ? "table"
                                                                                      : "array";
    if (type.str() != expected) {
        std::abort();
    }
}

void CheckQuickLines(std::string_view text) {
    if (!IsAscii(text)) {
        return;
    }
    std::vector<std::string_view> lines;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        CheckQuickLine(lines.back());
        start = end + 1;
    }
    if (Drobix::SurelyRefusedWhole(lines) && Drobix::ReadTomlLine(text).fault.empty()) {
        std::abort();
    }
}

bool Same(const Drobix::Preferences& a, const Drobix::Preferences& b) {
    return a.windowMode == b.windowMode && a.musicLevel == b.musicLevel &&
           a.effectsLevel == b.effectsLevel && a.shadow == b.shadow && a.patterns == b.patterns &&
           a.keys == b.keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::ostringstream faults;
    const Drobix::Preferences read = Drobix::ParsePreferences(text, "F", faults);
    if (!InRange(read)) {
        std::abort();
    }
    // Each fault is one line that starts with the file's name.
    const std::string said = faults.str();
    for (size_t start = 0; start < said.size();) {
        const size_t end = said.find('\n', start);
        if (end == std::string::npos || said.compare(start, 3, "F: ") != 0) {
            std::abort();
        }
        start = end + 1;
    }
    std::ostringstream again;
    const Drobix::Preferences reread =
        Drobix::ParsePreferences(Drobix::WritePreferences(read), "F", again);
    if (!again.str().empty() || !Same(read, reread)) {
        std::abort();
    }
    CheckEdits(text, read, said.empty());
    CheckQuickLines(text);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Changing entries in a settings file as a person wrote it: what changes is the values asked
// for, and every other byte stays.
#include "storage/PreferencesEdit.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "storage/PreferencesFile.h"

namespace Drobix {
namespace {

std::string Edit(std::string_view text, const std::vector<EntryEdit>& edits) {
    return EditSettingsText(text, edits);
}

TEST(PreferencesEditTest, OnlyTheChangedValuesChange) {
    const std::string text =
        "# My settings, kept in git.\r\n"
        "window = \"window\"   # I like it small\n"
        "\n"
        "[sound]\n"
        "music = 3 # quiet\n"
        "volume = 99\n"
        "effects=10\n"
        "\n"
        "[keys]\n"
        "left = [\n"
        "  \"A\",  # on the left hand\n"
        "]\n"
        "jump = \"J\"\n";
    const std::string edited = Edit(text, {{"sound", "music", "7"},
                                           {"", "window", "\"fullscreen\""},
                                           {"keys", "left", "[ \"Left\" ]"},
                                           {"sound", "effects", "0"}});
    EXPECT_EQ(edited,
              "# My settings, kept in git.\r\n"
              "window = \"fullscreen\"   # I like it small\n"
              "\n"
              "[sound]\n"
              "music = 7 # quiet\n"
              "volume = 99\n"
              "effects=0\n"
              "\n"
              "[keys]\n"
              "left = [ \"Left\" ]\n"
              "jump = \"J\"\n");
    EXPECT_EQ(Edit(text, {}), text);
}

TEST(PreferencesEditTest, MissingEntriesGoAtTheEndOfTheirTable) {
    // After the table's last entry (not after the comments between it and the next table); a
    // table not there yet at the end of the file; the top level before any table.
    EXPECT_EQ(Edit("# top\n[sound]\nmusic = 3\n\n# the keys\n[keys]\nleft = [\"A\"]",
                   {{"sound", "effects", "2"},
                    {"keys", "drop", "[ \"B\" ]"},
                    {"play", "shadow", "true"},
                    {"", "window", "\"window\""},
                    {"play", "patterns", "true"}}),
              "window = \"window\"\n# top\n[sound]\nmusic = 3\neffects = 2\n\n# the keys\n"
              "[keys]\nleft = [\"A\"]\ndrop = [ \"B\" ]\n\n[play]\nshadow = true\n"
              "patterns = true\n");
    EXPECT_EQ(Edit("", {{"sound", "music", "1"}}), "[sound]\nmusic = 1\n");
    // Written as dotted keys at the top, or as a quoted key, an entry is still found.
    EXPECT_EQ(Edit("sound.music = 3\n\"window\" = \"window\"\n",
                   {{"sound", "music", "4"}, {"", "window", "\"w\""}}),
              "sound.music = 4\n\"window\" = \"w\"\n");
}

TEST(PreferencesEditTest, DamagedLinesStayAndAreNotTakenForEntries) {
    // A damaged header: what stands under it is no entry of that table. A damaged value stays,
    // and the new one follows the table's last entry. A multi-line string that looks like a
    // table inside is one value. A table given twice: only the first is written in.
    const std::string text =
        "[sound\n"
        "music = 3\n"
        "[play]\n"
        "shadow = tru\n"
        "notes = \"\"\"\n"
        "[keys]\n"
        "left = [\"A\"]\n"
        "\"\"\"\n"
        "patterns = false\n"
        "[play]\n"
        "handling = \"modern\"\n";
    EXPECT_EQ(Edit(text, {{"play", "shadow", "true"},
                          {"keys", "left", "[ \"B\" ]"},
                          {"sound", "music", "5"},
                          {"play", "handling", "\"classic\""}}),
              "[sound\nmusic = 3\n[play]\nshadow = tru\nnotes = \"\"\"\n[keys]\nleft = [\"A\"]\n"
              "\"\"\"\npatterns = false\nshadow = true\nhandling = \"classic\"\n[play]\n"
              "handling = \"modern\"\n\n[keys]\nleft = [ \"B\" ]\n\n[sound]\nmusic = 5\n");
    // An unclosed list is its own line only: the lines after it are read as lines.
    EXPECT_EQ(Edit("[keys]\nleft = [\"A\",\nright = [\"D\"]\n", {{"keys", "right", "[]"}}),
              "[keys]\nleft = [\"A\",\nright = []\n");
}

// What the game reads back from an edited file is what it wrote, and every entry it did not
// change reads as before.
TEST(PreferencesEditTest, TheGameReadsBackWhatItWrote) {
    const std::string text =
        "# keys first\n[keys]\nleft = [\"J\"] # j\n[sound]\neffects = 4\n[play]\npatterns = true\n";
    Preferences changed;
    changed.musicLevel = 2;
    changed.handling = Handling::Modern;
    changed.keys[static_cast<size_t>(GameAction::Pause)] = {'Q', kNoKey};
    const std::string edited = Edit(text, {{"sound", "music", "2"},
                                           {"play", "handling", "\"modern\""},
                                           {"keys", "pause", "[ \"Q\" ]"}});
    std::ostringstream faults;
    const Preferences read = ParsePreferences(edited, "F", faults);
    EXPECT_EQ(faults.str(), "");
    EXPECT_EQ(read.musicLevel, 2);
    EXPECT_EQ(read.effectsLevel, 4);
    EXPECT_TRUE(read.patterns);
    EXPECT_EQ(read.handling, Handling::Modern);
    EXPECT_EQ(read.keys[static_cast<size_t>(GameAction::Pause)], (ActionKeys{'Q', kNoKey}));
    EXPECT_EQ(read.keys[static_cast<size_t>(GameAction::Left)], (ActionKeys{'J', kNoKey}));
}

}  // namespace
}  // namespace Drobix

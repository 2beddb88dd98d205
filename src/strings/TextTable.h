// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "graphics/ExtraGlyphs.h"

// Every text the player reads on screen, by id: its English words as the game draws them and a
// note for translators on where it shows and how wide it may be. The asset tool writes the
// translation template from this table and compiles each language's catalogue in its order, so
// the game and the catalogues cannot disagree about which text an index means.
//
// English texts are the bytes the fonts draw: \xAB \xBB \xBC \xA1 and \xEF are the small font's
// arrow keys left, right, up, down and the copyright sign (in the template: the characters those
// glyphs show). Placeholders are printf's: %s a text, %u a whole number, %g a number with a
// fraction; %1$s picks an argument by its place.

namespace Drobix {

enum class TextId : int {
    LanguageName,
    MenuTitle,
    MenuInstructions,
    MenuOptions,
    MenuNewGame,
    MenuSettings,
    MenuExit,
    HighScoresTitle,
    Credits,
    DirectXDetected,
    HelpParagraph1,
    HelpParagraph2,
    HelpParagraph3,
    HelpParagraph4,
    HelpParagraph5,
    HelpParagraph6,
    HelpFooter,
    OptionSound,
    OptionRubbishRows,
    OptionRubbishFrequency,
    OptionStartingLevel,
    OptionBlockTypes,
    OptionBlockPreview,
    OptionBlockColour,
    BackToMainMenu,
    ValueOn,
    ValueOff,
    BlocksStandard,
    BlocksStandardPlusExtra,
    BlocksCrazy,
    PreviewRandom,
    ColourFixed,
    ColourRandom,
    SettingWindow,
    SettingMusicLevel,
    SettingEffectsLevel,
    SettingLandingShadow,
    SettingCellPatterns,
    SettingHandling,
    SettingLanguage,
    WindowModeWindow,
    WindowModeFullScreen,
    HandlingModern,
    HandlingClassic,
    LanguageAutomatic,
    ControlsTitle,
    ActionLeft,
    ActionRight,
    ActionTurn,
    ActionTurnClockwise,
    ActionSoftDrop,
    ActionDrop,
    ActionPause,
    ActionLeave,
    ControlsRestore,
    ControlsBack,
    ControlsRestored,
    ControlsPressKey,
    ControlsKeyTaken,
    ControlsBound,
    ControlsKeyGameOwn,
    ControlsKeyAnswers,
    SettingsNotRead,
    SettingsNotSaved,
    KeyBackspace,
    KeyTab,
    KeyReturn,
    KeyPause,
    KeyCapsLock,
    KeyEscape,
    KeySpace,
    KeyPageUp,
    KeyPageDown,
    KeyEnd,
    KeyHome,
    KeyLeft,
    KeyUp,
    KeyRight,
    KeyDown,
    KeyInsert,
    KeyDelete,
    KeyKeypad,
    KeyLeftShift,
    KeyRightShift,
    KeyLeftCtrl,
    KeyRightCtrl,
    KeyLeftAlt,
    KeyRightAlt,
    PausedTitle,
    PauseResumeKey,
    PauseResumePadToo,
    PauseResumePad,
    ExitPrompt,
    GameOverPrompt,
    FigureLevel,
    FigureScore,
    FigureLines,
    HighScoreTitle,
    HighScoreMessage,
    PadTitle,
    PadSpace,
    PressKeyForSound,
    Count,
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::Count);

struct TextEntry {
    TextId id;
    std::string_view context;  // empty unless one English text needs two translations
    std::string_view english;
    std::string_view note;
};

// NOLINTBEGIN(bugprone-suspicious-missing-comma)
inline constexpr std::array<TextEntry, kTextCount> kTextTable{{
    {TextId::LanguageName, "language name", "English",
     "The name of this catalogue's language in itself (\"Deutsch\", \"Polski\"), as the "
     "settings screen's language line shows it. Small font, at most 130 px."},
    {TextId::MenuTitle, "", "Menu", "Main menu panel's title. Large font, at most 180 px."},
    {TextId::MenuInstructions, "", "Instructions",
     "Main menu line after \"1) \" (small font, the whole line at most 170 px) and the "
     "instructions screen's title (large font, at most 740 px)."},
    {TextId::MenuOptions, "", "Options",
     "Main menu line after \"2) \" (small font, the whole line at most 170 px) and the options "
     "screen's title (large font, at most 290 px)."},
    {TextId::MenuNewGame, "", "New Game",
     "Main menu line after \"3) \". Small font, the whole line at most 170 px."},
    {TextId::MenuSettings, "", "Settings",
     "Main menu line after \"4) \" (small font, the whole line at most 170 px) and the settings "
     "screen's title (large font, at most 290 px)."},
    {TextId::MenuExit, "", "(Esc) Exit",
     "Main menu's last line: the Esc key leaves the game. Write the key as your keyboards "
     "label it. Small font, at most 170 px."},
    {TextId::HighScoresTitle, "", "High Scores",
     "Title of the high-score table on the main menu. Large font, at most 290 px."},
    {TextId::Credits, "",
     "Drobix \xEF Quillbeam  -  Programming, pictures, fonts, music and sound effects all made "
     "from scratch by the Drobix team  -  Thanks for playing! Can you beat Zephine's 35000?",
     "The credits line scrolling along the main menu's bottom strip; no width limit. Keep the "
     "names Drobix, Quillbeam and Zephine and the figure 35000 as they are. Small font."},
    {TextId::DirectXDetected, "", "DirectX %s detected",
     "Main menu's bottom right corner (Windows). %s is a version such as 9.0c. Small font, at "
     "most 200 px."},
    {TextId::HelpParagraph1, "",
     "Rotate and position the falling blocks such that rows are completely filled. Once a row "
     "is full and contains no empty cells, it is removed and all rows above move down to fill "
     "the void.",
     "Instructions screen, paragraph 1 of 6. Small font, wrapped at 710 px; all six paragraphs "
     "with a blank line between them take at most 22 lines."},
    {TextId::HelpParagraph2, "",
     "Use the (\xAB) key to move the current block left and the (\xBB) key to move it right. "
     "Pressing the (\xBC) key will rotate the block 90d anti-clockwise. The (\xA1) key causes "
     "the current block to fall faster. The (Spacebar) key will cause the current block to "
     "drop completely.",
     "Instructions screen, paragraph 2 of 6. The arrows are the cursor keys' pictures: keep "
     "them. \"90d\" reads 90 degrees. Name the space bar as your keyboards do. Small font, "
     "wrapped at 710 px; all six paragraphs take at most 22 lines."},
    {TextId::HelpParagraph3, "",
     "Scores are awarded for successfully placing blocks and completing lines. The higher the "
     "level, the more points awarded. Points increase exponentially as more lines are "
     "completed with one block. Finally, the faster a block is placed, the greater the points "
     "reward.",
     "Instructions screen, paragraph 3 of 6. Small font, wrapped at 710 px; all six paragraphs "
     "take at most 22 lines."},
    {TextId::HelpParagraph4, "",
     "The level is increased to a maximum of 9 every time 10 lines are completed. As the level "
     "increases, so too does the falling speed of the blocks.",
     "Instructions screen, paragraph 4 of 6. Small font, wrapped at 710 px; all six paragraphs "
     "take at most 22 lines."},
    {TextId::HelpParagraph5, "",
     "For an extra challenge, the options screen allows \"rubbish\" lines to be configured. "
     "Rubbish lines are lines filled with random blocks at the start of the game. The rubbish "
     "frequency option allows you to specify the likelihood of rubbish appearing in each cell "
     "of a rubbish line.",
     "Instructions screen, paragraph 5 of 6. Use the same words as the options screen's "
     "\"Rubbish Rows\" and \"Rubbish Frequency\". Small font, wrapped at 710 px; all six "
     "paragraphs take at most 22 lines."},
    {TextId::HelpParagraph6, "",
     "Other options allow you to specify the starting level and the set of blocks used in the "
     "game.",
     "Instructions screen, paragraph 6 of 6. Small font, wrapped at 710 px; all six paragraphs "
     "take at most 22 lines."},
    {TextId::HelpFooter, "", "Press (Esc) to return to the main menu",
     "Instructions screen's bottom line. Small font, at most 700 px."},
    {TextId::OptionSound, "", "Sound: %s",
     "Options screen line after \"1) \"; %s is On or Off. Small font, the whole line at most "
     "280 px."},
    {TextId::OptionRubbishRows, "", "Rubbish Rows: %u",
     "Options screen line after \"2) \"; %u is 0 to 10 rows of random cells at the start. "
     "Small font, the whole line at most 280 px."},
    {TextId::OptionRubbishFrequency, "", "Rubbish Frequency: %g%%",
     "Options screen line after \"3) \"; %g%% is a percentage, 10% to 90%. Small font, the "
     "whole line at most 280 px."},
    {TextId::OptionStartingLevel, "", "Starting Level: %u",
     "Options screen line after \"4) \"; %u is 0 to 9. Small font, the whole line at most "
     "280 px."},
    {TextId::OptionBlockTypes, "", "Block Types: %s",
     "Options screen line after \"5) \"; %s is Standard, Standard + extra or You're crazy!. "
     "Small font, the whole line at most 280 px."},
    {TextId::OptionBlockPreview, "", "Block Preview: %s",
     "Options screen line after \"6) \": whether the next block is shown; %s is On, Off or "
     "Random. Small font, the whole line at most 280 px."},
    {TextId::OptionBlockColour, "", "Block Colour: %s",
     "Options screen line after \"7) \"; %s is Fixed or Random. Small font, the whole line at "
     "most 280 px."},
    {TextId::BackToMainMenu, "", "(Esc) Back to main menu",
     "Last line of the options and settings screens. Small font, at most 280 px."},
    {TextId::ValueOn, "", "On",
     "A setting's value on the options and settings screens (sound, block preview, landing "
     "shadow, cell patterns). Small font, at most 60 px."},
    {TextId::ValueOff, "", "Off",
     "A setting's value on the options and settings screens (sound, block preview, landing "
     "shadow, cell patterns). Small font, at most 60 px."},
    {TextId::BlocksStandard, "", "Standard",
     "Options screen, Block Types' value: the seven usual blocks. Small font, at most 120 px."},
    {TextId::BlocksStandardPlusExtra, "", "Standard + extra",
     "Options screen, Block Types' value: the usual blocks and a few more. Small font, at most "
     "120 px."},
    {TextId::BlocksCrazy, "", "You're crazy!",
     "Options screen, Block Types' value: every odd shape too. Small font, at most 120 px."},
    {TextId::PreviewRandom, "block preview", "Random",
     "Options screen, Block Preview's value: the next block is shown some of the time. Small "
     "font, at most 100 px."},
    {TextId::ColourFixed, "", "Fixed",
     "Options screen, Block Colour's value: each shape keeps its colour. Small font, at most "
     "100 px."},
    {TextId::ColourRandom, "block colour", "Random",
     "Options screen, Block Colour's value: blocks take random colours. Small font, at most "
     "100 px."},
    {TextId::SettingWindow, "", "Window: %s",
     "Settings screen line after \"1) \"; %s is Window or Full Screen. Small font, the whole "
     "line at most 280 px."},
    {TextId::SettingMusicLevel, "", "Music Level: %u",
     "Settings screen line after \"2) \"; %u is 0 to 10. Small font, the whole line at most "
     "280 px."},
    {TextId::SettingEffectsLevel, "", "Effects Level: %u",
     "Settings screen line after \"3) \": the sound effects' volume; %u is 0 to 10. Small "
     "font, the whole line at most 280 px."},
    {TextId::SettingLandingShadow, "", "Landing Shadow: %s",
     "Settings screen line after \"4) \": where the falling block would land is shown; %s is "
     "On or Off. Small font, the whole line at most 280 px."},
    {TextId::SettingCellPatterns, "", "Cell Patterns: %s",
     "Settings screen line after \"5) \": each block colour also has its own pattern; %s is On "
     "or Off. Small font, the whole line at most 280 px."},
    {TextId::SettingHandling, "", "Handling: %s",
     "Settings screen line after \"7) \": how keys act; %s is Modern or Classic. Small font, "
     "the whole line at most 280 px."},
    {TextId::SettingLanguage, "", "Language: %s",
     "Settings screen line after \"8) \"; %s is Automatic or a language's own name (Deutsch, "
     "Polski). Small font, the whole line at most 280 px."},
    {TextId::WindowModeWindow, "", "Window",
     "Settings screen, Window's value: the game plays in a window. Small font, at most 110 px."},
    {TextId::WindowModeFullScreen, "", "Full Screen",
     "Settings screen, Window's value: the game fills the screen. Small font, at most 110 px."},
    {TextId::HandlingModern, "", "Modern",
     "Settings screen, Handling's value: every key repeats on its own. Small font, at most "
     "110 px."},
    {TextId::HandlingClassic, "", "Classic",
     "Settings screen, Handling's value: keys act as in the first version. Small font, at most "
     "110 px."},
    {TextId::LanguageAutomatic, "", "Automatic",
     "Settings screen, Language's value: the language comes from the system. Small font, at "
     "most 110 px."},
    {TextId::ControlsTitle, "", "Controls",
     "Settings screen line after \"6) \" (small font, at most 280 px) and the controls "
     "screen's title (large font, at most 330 px)."},
    {TextId::ActionLeft, "action", "Left",
     "Controls screen: the action that moves the block left; its line reads \"1) Left: Left, "
     "Keypad 4\". Small font, at most 110 px."},
    {TextId::ActionRight, "action", "Right",
     "Controls screen: the action that moves the block right. Small font, at most 110 px."},
    {TextId::ActionTurn, "", "Turn",
     "Controls screen: the action that turns the block anti-clockwise. Small font, at most "
     "110 px."},
    {TextId::ActionTurnClockwise, "", "Turn Clockwise",
     "Controls screen: the action that turns the block clockwise. Small font, at most 110 px."},
    {TextId::ActionSoftDrop, "", "Soft Drop",
     "Controls screen: the action that makes the block fall faster while held. Small font, at "
     "most 110 px."},
    {TextId::ActionDrop, "", "Drop",
     "Controls screen: the action that drops the block at once. Small font, at most 110 px."},
    {TextId::ActionPause, "action", "Pause",
     "Controls screen: the action that pauses the game. Small font, at most 110 px."},
    {TextId::ActionLeave, "", "Leave",
     "Controls screen: the action that asks whether to leave the game. Small font, at most "
     "110 px."},
    {TextId::ControlsRestore, "", "Restore the defaults",
     "Controls screen line after \"0) \": every key back as it was. Small font, at most "
     "280 px."},
    {TextId::ControlsBack, "", "(Esc) Back to settings",
     "Controls screen's last line. Small font, at most 300 px."},
    {TextId::ControlsRestored, "", "Every key is as it was at first.",
     "Controls screen message after restoring the defaults. Small font, wrapped at 320 px, at "
     "most 2 lines."},
    {TextId::ControlsPressKey, "", "Press a key for %s (Esc: keep it as it is)",
     "Controls screen message while waiting for a key; %s is an action (Turn Clockwise). "
     "Small font, wrapped at 320 px, at most 2 lines."},
    {TextId::ControlsKeyTaken, "", "%1$s is the key of %2$s already.",
     "Controls screen message: %1$s is a key's name (Space), %2$s an action (Soft Drop). Small "
     "font, wrapped at 320 px, at most 2 lines."},
    {TextId::ControlsBound, "", "%1$s: %2$s",
     "Controls screen message after binding: %1$s is an action, %2$s the key's name. Small "
     "font, wrapped at 320 px, at most 2 lines."},
    {TextId::ControlsKeyGameOwn, "", "%s is the game's own key.",
     "Controls screen message when a key the game keeps for itself (F11, Enter, the frame-rate "
     "key) is chosen for an action: %s is the key's name. Small font, wrapped at 320 px, at most "
     "2 lines."},
    {TextId::ControlsKeyAnswers, "", "%s answers the game's questions.",
     "Controls screen message when Y or N is chosen for Leave, whose question they answer: %s is "
     "the key's name. Small font, wrapped at 320 px, at most 2 lines."},
    {TextId::SettingsNotRead, "", "The settings file was not read: changes last this run",
     "Settings and controls screens, under the panel, when the settings file could not be read "
     "and will not be written over. Small font, at most 600 px on the settings screen; wrapped at "
     "320 px, at most 2 lines, on the controls screen."},
    {TextId::SettingsNotSaved, "", "Could not save the settings: %s",
     "Settings and controls screens, under the panel, while saving fails: %s is the system's "
     "reason, in English (Permission denied). Small font, at most 600 px on the settings screen; "
     "wrapped at 320 px, at most 2 lines, on the controls screen."},
    {TextId::KeyBackspace, "", "Backspace",
     "A key's name on the controls screen and the pause panel, as your keyboards label it. "
     "Small font, at most 90 px."},
    {TextId::KeyTab, "", "Tab",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyReturn, "", "Return",
     "The Enter key's name on the controls screen and the pause panel. Small font, at most "
     "90 px."},
    {TextId::KeyPause, "key", "Pause",
     "The Pause key's name on the controls screen and the pause panel. Small font, at most "
     "90 px."},
    {TextId::KeyCapsLock, "", "CapsLock",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyEscape, "", "Escape",
     "The Esc key's name on the controls screen and the pause panel. Small font, at most "
     "90 px."},
    {TextId::KeySpace, "", "Space",
     "The space bar's name on the controls screen and the pause panel (\"Press Space to "
     "resume\"). Small font, at most 90 px."},
    {TextId::KeyPageUp, "", "PageUp",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyPageDown, "", "PageDown",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyEnd, "", "End",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyHome, "", "Home",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyLeft, "key", "Left",
     "The cursor key's name on the controls screen and the pause panel. Small font, at most "
     "90 px."},
    {TextId::KeyUp, "", "Up",
     "The cursor key's name on the controls screen and the pause panel. Small font, at most "
     "90 px."},
    {TextId::KeyRight, "key", "Right",
     "The cursor key's name on the controls screen and the pause panel. Small font, at most "
     "90 px."},
    {TextId::KeyDown, "", "Down",
     "The cursor key's name on the controls screen and the pause panel. Small font, at most "
     "90 px."},
    {TextId::KeyInsert, "", "Insert",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyDelete, "", "Delete",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyKeypad, "", "Keypad %s",
     "A number pad key's name on the controls screen; %s is the key's digit or sign "
     "(\"Keypad 4\", \"Keypad +\"). Small font, at most 90 px."},
    {TextId::KeyLeftShift, "", "Left Shift",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyRightShift, "", "Right Shift",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyLeftCtrl, "", "Left Ctrl",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyRightCtrl, "", "Right Ctrl",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyLeftAlt, "", "Left Alt",
     "A key's name on the controls screen and the pause panel. Small font, at most 90 px."},
    {TextId::KeyRightAlt, "", "Right Alt",
     "A key's name on the controls screen and the pause panel (AltGr on many keyboards). Small "
     "font, at most 90 px."},
    {TextId::PausedTitle, "", "Paused",
     "Pause panel's title over the well. Large font, at most 250 px."},
    {TextId::PauseResumeKey, "", "Press %s to resume",
     "Pause panel line; %s is the pause key's name (P, Pause). Small font, at most 250 px."},
    {TextId::PauseResumePadToo, "", "or Start on a pad",
     "Pause panel line under \"Press %s to resume\": a game pad's Start button resumes too. "
     "Small font, at most 250 px."},
    {TextId::PauseResumePad, "", "Press Start on a pad to resume",
     "Pause panel line when no key pauses: a game pad's Start button resumes. Small font, at "
     "most 250 px."},
    {TextId::ExitPrompt, "", "Exit game - are you sure? (Y)/(N)",
     "Prompt over the game; the game reads the keys Y and N, so keep (Y)/(N). Large font, at "
     "most 760 px."},
    {TextId::GameOverPrompt, "", "Game over - new game? (Y)/(N)",
     "Prompt when a game ends; the game reads the keys Y and N, so keep (Y)/(N). Large font, "
     "at most 760 px."},
    {TextId::FigureLevel, "", "Level",
     "Label beside the board over the level's figure. Large font, at most 170 px."},
    {TextId::FigureScore, "", "Score",
     "Label beside the board over the score's figure. Large font, at most 170 px."},
    {TextId::FigureLines, "", "Lines",
     "Label beside the board over the count of cleared lines. Large font, at most 170 px."},
    {TextId::HighScoreTitle, "", "High Score!",
     "Title of the panel asking a new high scorer's name. Large font, at most 390 px."},
    {TextId::HighScoreMessage, "",
     "Congratulations! Your score of %1$u has placed you amongst such Drobix greats as %2$s "
     "and %3$s. Please enter your name below:",
     "High-score panel's message; %1$u is the score, %2$s and %3$s the names of the two best "
     "players (up to 20 letters each). Small font, wrapped at 360 px, at most 5 lines with "
     "names of 20 wide letters."},
    {TextId::PadTitle, "", "Pad",
     "Title of the letter picker shown under the high-score panel when a game pad is "
     "present. Large font, at most 370 px."},
    {TextId::PadSpace, "", "Sp",
     "The letter picker's cell for the space character. Small font, at most 26 px."},
    {TextId::PressKeyForSound, "", "Press any key for sound",
     "Main menu, below the high scores, in a web browser only: the browser keeps the page "
     "silent until the player's first key press or click. Small font, at most 500 px."},
}};
// NOLINTEND(bugprone-suspicious-missing-comma)

// The English bytes as the catalogues write them (UTF-8, the special bytes as the characters
// their glyphs show), with the context before them as gettext keys it: the key of the entry's
// translation in a compiled catalogue.
inline std::string CatalogueKey(const TextEntry& entry) {
    std::string key;
    if (!entry.context.empty()) {
        key.append(entry.context).push_back('\x04');
    }
    for (const char ch : entry.english) {
        const auto* special =
            std::find_if(kSpecialGlyphBytes.begin(), kSpecialGlyphBytes.end(),
                         [ch](const SpecialGlyphByte& s) { return s.byte == ch; });
        if (special != kSpecialGlyphBytes.end()) {
            key.append(special->utf8);
        } else {
            key.push_back(ch);
        }
    }
    return key;
}

// True when every entry sits at its own id's place, which the lookups rely on.
constexpr bool TextTableInOrder() {
    for (std::size_t i = 0; i < kTextTable.size(); ++i) {
        if (static_cast<std::size_t>(kTextTable[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(TextTableInOrder(), "kTextTable lists the texts in TextId order");

}  // namespace Drobix

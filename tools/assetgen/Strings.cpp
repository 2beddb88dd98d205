// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Strings.h"

#include "ResourceIds.h"

namespace Drobix::AssetGen {

namespace {

// Key symbols as the small font draws them: bytes of Windows-1252 that it shows as arrows.
constexpr char kLeftKey[] = "\xAB";
constexpr char kRightKey[] = "\xBB";
constexpr char kUpKey[] = "\xBC";
constexpr char kDownKey[] = "\xA1";
constexpr char kCopyrightSign[] = "\xEF";

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace

std::string HelpText() {
    // Each paragraph is one literal split over lines.
    // NOLINTBEGIN(bugprone-suspicious-missing-comma)
    const std::string paragraphs[] = {
        "Rotate and position the falling blocks such that rows are completely filled. Once a "
        "row is full and contains no empty cells, it is removed and all rows above move down to "
        "fill the void.",
        std::string("Use the (") + kLeftKey + ") key to move the current block left and the (" +
            kRightKey + ") key to move it right. Pressing the (" + kUpKey +
            ") key will rotate the block 90d anti-clockwise. The (" + kDownKey +
            ") key causes the current block to fall faster. The (Spacebar) key will cause the "
            "current block to drop completely.",
        "Scores are awarded for successfully placing blocks and completing lines. The higher the "
        "level, the more points awarded. Points increase exponentially as more lines are "
        "completed with one block. Finally, the faster a block is placed, the greater the points "
        "reward.",
        "The level is increased to a maximum of 9 every time 10 lines are completed. As the "
        "level increases, so too does the falling speed of the blocks.",
        "For an extra challenge, the options screen allows \"rubbish\" lines to be configured. "
        "Rubbish lines are lines filled with random blocks at the start of the game. The rubbish "
        "frequency option allows you to specify the likelihood of rubbish appearing in each cell "
        "of a rubbish line.",
        "Other options allow you to specify the starting level and the set of blocks used in the "
        "game.",
    };
    // NOLINTEND(bugprone-suspicious-missing-comma)
    std::string text;
    for (const std::string& paragraph : paragraphs) {
        if (!text.empty()) {
            text += "\n\n";
        }
        text += paragraph;
    }
    return text;
}

std::string CreditsText() {
    // Only characters that the small font draws.
    return std::string("Drobix ") + kCopyrightSign +
           " Quillbeam  -  Programming, pictures, fonts, music and sound effects all made from "
           "scratch by the Drobix team  -  Thanks for playing! Can you beat Zephine's 35000?";
}

std::vector<Asset> MakeStrings() {
    return {
        {ResourceId::kHelpText, "STRING", "help.txt", Bytes(HelpText())},
        {ResourceId::kCreditsText, "STRING", "credits.txt", Bytes(CreditsText())},
    };
}

}  // namespace Drobix::AssetGen

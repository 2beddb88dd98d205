// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Resources.h"
#include "resources/MarkerLayout.h"
#include "resources/PictureReader.h"
#include "resources/ResourceIds.h"
#include "strings/Strings.h"

namespace Drobix {
namespace {

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t found; (found = text.find(separator, start)) != std::string::npos;) {
        parts.push_back(text.substr(start, found - start));
        start = found + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

TEST(HelpText, IsSixParagraphsOf1237BytesWithTheKeySymbols) {
    const auto help = Platform::LoadStringResource(ResourceId::kHelpText);
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->size(), 1237u);
    const std::vector<std::string> paragraphs = Split(*help, "\n\n");
    ASSERT_EQ(paragraphs.size(), 6u);
    for (const std::string& paragraph : paragraphs) {
        EXPECT_FALSE(paragraph.empty());
        EXPECT_EQ(paragraph.find('\n'), std::string::npos);
    }
    EXPECT_EQ(help->find('\r'), std::string::npos);
    EXPECT_EQ(paragraphs[1],
              "Use the (\xAB) key to move the current block left and the (\xBB) key to move it "
              "right. Pressing the (\xBC) key will rotate the block 90d anti-clockwise. The (\xA1) "
              "key causes the current block to fall faster. The (Spacebar) key will cause the "
              "current block to drop completely.");
    for (char symbol : {'\xAB', '\xBB', '\xBC', '\xA1'}) {
        EXPECT_EQ(std::count(help->begin(), help->end(), symbol), 1) << int(symbol);
    }
    const std::string rubbish =
        "For an extra challenge, the options screen allows \"rubbish\" lines to be configured.";
    EXPECT_EQ(paragraphs[4].substr(0, rubbish.size()), rubbish);
    EXPECT_EQ(paragraphs[5],
              "Other options allow you to specify the starting level and the set of blocks used "
              "in the game.");
}

TEST(CreditsText, IsOneLineThatTheSmallFontCanDraw) {
    const auto credits = Platform::LoadStringResource(ResourceId::kCreditsText);
    ASSERT_TRUE(credits.has_value());
    ASSERT_FALSE(credits->empty());
    EXPECT_EQ(credits->find('\n'), std::string::npos);
    const auto picture =
        Testing::ReadPng(Platform::FindResource(ResourceId::kSmallFontPicture, "PNG"));
    ASSERT_TRUE(picture.has_value());
    const auto font = Testing::ReadMarkerFont(
        *picture,
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!@#%&*()-+=;:'\",<.>/?"
        "\xAB\xBB\xBC\xA1\xEF ",
        2);
    ASSERT_TRUE(font.has_value());
    for (char c : *credits) {
        EXPECT_EQ(font->glyphs.count(static_cast<unsigned char>(c)), 1u)
            << "no glyph for " << int(static_cast<unsigned char>(c));
    }
}

TEST(StringResources, AnUnknownIdHasNoString) {
    EXPECT_FALSE(Platform::LoadStringResource(151).has_value());
    // A picture, not a string.
    EXPECT_FALSE(Platform::LoadStringResource(ResourceId::kBlockSpriteSheet).has_value());
}

// The screens' texts come whole through the strings module; a missing one reads as empty.
TEST(StringResources, ReachTheScreensWholeOrEmpty) {
    EXPECT_EQ(LoadString(ResourceId::kHelpText),
              Platform::LoadStringResource(ResourceId::kHelpText));
    EXPECT_EQ(LoadString(ResourceId::kCreditsText),
              Platform::LoadStringResource(ResourceId::kCreditsText));
    EXPECT_EQ(LoadString(151), "");
    EXPECT_EQ(LoadString(ResourceId::kBlockSpriteSheet), "");
}

}  // namespace
}  // namespace Drobix

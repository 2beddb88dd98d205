// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Text as UTF-8 in the program's own fonts: the second pictures' glyphs, the English single
// bytes, and the replacement for what no picture holds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/Display.h"
#include "graphics/ExtraGlyphs.h"
#include "graphics/Fonts.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"
#include "resources/ResourceIds.h"

namespace Drobix {
namespace {

std::vector<char32_t> Characters(std::string_view text) {
    std::vector<char32_t> characters;
    for (size_t at = 0; at < text.size();) {
        characters.push_back(NextCharacter(text, at));
    }
    return characters;
}

TEST(NextCharacterTest, ReadsUtf8AndSingleBytesThatBeginNoSequence) {
    EXPECT_EQ(Characters("A\xC3\xA9\xD0\x96\xE2\x80\x9E\xF0\x9F\x98\x80"),
              (std::vector<char32_t>{U'A', U'\u00E9', U'\u0416', U'\u201E', U'\U0001F600'}));
    // The English texts' single bytes: the small font's arrows and copyright sign.
    EXPECT_EQ(Characters("(\xAB) (\xBB) (\xBC) (\xA1) \xEF Q"),
              (std::vector<char32_t>{U'(', U'\u2190', U')', U' ', U'(', U'\u2192', U')', U' ', U'(',
                                     U'\u2191', U')', U' ', U'(', U'\u2193', U')', U' ', U'\u00A9',
                                     U' ', U'Q'}));
    // Windows-1252 for the other bytes; overlong and cut sequences are single bytes too.
    EXPECT_EQ(Characters("Jos\xE9 \x80"),
              (std::vector<char32_t>{U'J', U'o', U's', U'\u00E9', U' ', U'\u20AC'}));
    EXPECT_EQ(Characters("\xC0\xAF"), (std::vector<char32_t>{U'\u00C0', U'\u00AF'}));
    EXPECT_EQ(Characters("\xE2\x86"), (std::vector<char32_t>{U'\u00E2', U'\u2020'}));
    EXPECT_EQ(Characters("\xED\xA0\x80").size(), 3U);
}

class FontCharactersTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Platform::FindResource(ResourceId::kSmallFontExtraPicture, "PNG").empty());
        ASSERT_TRUE(OpenDisplay());
        BuildFonts();
    }
    void TearDown() override {
        FreeFonts();
        CloseDisplay();
    }

    // The lit pixels of the text drawn alone on a black screen.
    static int LitPixels(FontId font, std::string_view text) {
        const Rect screen{0, 0, kScreenWidth, kScreenHeight};
        DrawPanel(&screen, false);
        DrawString(font, text, 10, 10);
        CompleteFrame();
        const uint16_t* pixels = BackBufferPixels();
        int lit = 0;
        for (size_t i = 0; i < Platform::kFramePixels; ++i) {
            lit += pixels[i] != 0 ? 1 : 0;
        }
        return lit;
    }
};

// Every font holds every added character, in the order the asset tool lays them out.
TEST_F(FontCharactersTest, EveryFontHoldsEveryAddedCharacter) {
    for (const FontId id : {FontId::Large, FontId::Small, FontId::Digits}) {
        // Drawing one reads the second picture.
        DrawString(id, "\xC3\xA9", 0, 0);
        const BitmapFont* font = GetFont(id);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->extras.size(), ExtraGlyphCount()) << static_cast<int>(id);
        for (const ExtraGlyph& glyph : font->extras) {
            EXPECT_GT(glyph.rect.Width(), 0) << std::hex << static_cast<uint32_t>(glyph.codePoint);
            EXPECT_EQ(glyph.rect.Height(), font->lineHeight);
        }
    }
}

TEST_F(FontCharactersTest, CataloguesArrowsAreTheEnglishBytesGlyphs) {
    const std::pair<const char*, const char*> same[] = {{"\xAB", "\xE2\x86\x90"},
                                                        {"\xBB", "\xE2\x86\x92"},
                                                        {"\xBC", "\xE2\x86\x91"},
                                                        {"\xA1", "\xE2\x86\x93"},
                                                        {"\xEF", "\xC2\xA9"}};
    for (const auto& [byte, character] : same) {
        EXPECT_EQ(MeasureText(FontId::Small, byte).width,
                  MeasureText(FontId::Small, character).width);
        EXPECT_EQ(LitPixels(FontId::Small, byte), LitPixels(FontId::Small, character)) << byte;
        EXPECT_GT(LitPixels(FontId::Small, byte), 0);
    }
    // The French quotation marks are glyphs of their own, not the arrows.
    EXPECT_NE(MeasureText(FontId::Small, "\xC2\xAB").width,
              MeasureText(FontId::Small, "\xAB").width);
}

TEST_F(FontCharactersTest, ACharacterNoPictureHoldsDrawsTheReplacement) {
    const int replacement = LitPixels(FontId::Small, "\xEF\xBF\xBD");
    EXPECT_GT(replacement, 0);
    // A CJK ideograph and a picture character: no glyph, so the replacement, never nothing.
    EXPECT_EQ(LitPixels(FontId::Small, "\xE4\xB8\x80"), replacement);
    EXPECT_EQ(LitPixels(FontId::Large, "\xF0\x9F\x98\x80"),
              LitPixels(FontId::Large, "\xEF\xBF\xBD"));
    EXPECT_EQ(MeasureText(FontId::Small, "\xE4\xB8\x80").width,
              MeasureText(FontId::Small, "\xEF\xBF\xBD").width);
    // An ASCII character without a glyph draws nothing, as it always has.
    EXPECT_EQ(LitPixels(FontId::Small, "\t"), 0);
    EXPECT_EQ(LitPixels(FontId::Digits, "A"), 0);
}

TEST_F(FontCharactersTest, AddedLettersDrawAndWrap) {
    EXPECT_GT(LitPixels(FontId::Small, "\xC5\x81\xC3\xB3\xC5\xBA"), LitPixels(FontId::Small, "L"));
    EXPECT_GT(LitPixels(FontId::Large, "\xD0\x96"), 0);
    // A wrapped text counts a two-byte letter once: "ÄÄ ÄÄ" wraps where "AA AA" of its width would.
    const int letter = MeasureText(FontId::Small, "\xC3\x84").width;
    EXPECT_EQ(MeasureText(FontId::Small, "\xC3\x84\xC3\x84").width, 2 * letter);
}

}  // namespace
}  // namespace Drobix

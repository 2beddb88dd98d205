// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// Every resource's id and name, given here once. The tool makes each resource under its id and
// writes the name beside it into resources.list; from that list the program's build generates
// the constants the program knows the resources by ("resources/ResourceIds.h", the same names
// with a k in front). The ids are fixed: the game asks for its resources by them.
#define DROBIX_ASSETGEN_RESOURCES(X) \
    X(MenuBackground, 101)           \
    X(GameBackgroundAurora, 104)     \
    X(GameBackgroundForge, 105)      \
    X(GameBackgroundDeepSea, 106)    \
    X(GameBackgroundNebula, 107)     \
    X(BlockSpriteSheet, 118)         \
    X(CheckerOverlay, 120)           \
    X(BlackPixel, 121)               \
    X(LandingSound, 131)             \
    X(GameOverSound, 133)            \
    X(FourRowsSound, 134)            \
    X(LevelUpSound, 135)             \
    X(OneRowSound, 136)              \
    X(NewGameSound, 137)             \
    X(ThreeRowsSound, 138)           \
    X(TwoRowsSound, 139)             \
    X(SmallFontPicture, 144)         \
    X(LargeFontPicture, 145)         \
    X(WindowIcon, 146)               \
    X(DigitFontPicture, 147)         \
    X(GreyPixel, 148)                \
    X(HelpText, 149)                 \
    X(CreditsText, 150)              \
    X(MenuMusicMarch, 152)           \
    X(MenuMusicBouncy, 153)          \
    X(HiddenPreviewSign, 156)        \
    X(ShapePatternSheet, 157)        \
    X(SmallFontExtraPicture, 158)    \
    X(LargeFontExtraPicture, 159)    \
    X(DigitFontExtraPicture, 160)

namespace Drobix::AssetGen {

namespace ResourceId {
#define DROBIX_ASSETGEN_ID(name, id) constexpr int k##name = id;
DROBIX_ASSETGEN_RESOURCES(DROBIX_ASSETGEN_ID)
#undef DROBIX_ASSETGEN_ID
}  // namespace ResourceId

struct ResourceName {
    int id;
    std::string_view name;
};

constexpr ResourceName kResourceNames[] = {
#define DROBIX_ASSETGEN_NAME(name, id) {id, #name},
    DROBIX_ASSETGEN_RESOURCES(DROBIX_ASSETGEN_NAME)
#undef DROBIX_ASSETGEN_NAME
};

// The name that resources.list gives the id; empty for an id without one.
constexpr std::string_view NameOfResource(int id) {
    for (const ResourceName& entry : kResourceNames) {
        if (entry.id == id) {
            return entry.name;
        }
    }
    return {};
}

}  // namespace Drobix::AssetGen

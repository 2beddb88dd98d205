// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sounds.h"

#include <string>

#include "ResourceIds.h"
#include "sound/AudioBuffer.h"
#include "sound/Effects.h"
#include "sound/MenuMusic.h"
#include "sound/VorbisEncoder.h"

namespace Drobix::AssetGen {

namespace {

// Quality on libvorbis's scale; high enough for clean chimes, and the music compresses to
// about a tenth of its decoded size.
constexpr float kEffectQuality = 0.4f;
// The knock fits in one of the encoder's blocks, whose noise would otherwise reach its silent
// end.
constexpr float kLandingQuality = 1.0f;
constexpr float kMusicQuality = 0.4f;

constexpr int kMono = 1;
constexpr int kStereo = 2;

struct SoundRecipe {
    int id;
    AudioBuffer (*make)();
    int channels;
    float quality;
};

constexpr SoundRecipe kRecipes[] = {
    // The landing knock sits in the middle and below 2 kHz, so one channel at a lower rate
    // carries it whole.
    {ResourceId::kLandingSound, MakeLandingEffect, kMono, kLandingQuality},
    {ResourceId::kGameOverSound, MakeGameOverEffect, kStereo, kEffectQuality},
    {ResourceId::kFourRowsSound, MakeFourRowsEffect, kStereo, kEffectQuality},
    {ResourceId::kLevelUpSound, MakeLevelUpEffect, kStereo, kEffectQuality},
    {ResourceId::kOneRowSound, MakeOneRowEffect, kStereo, kEffectQuality},
    {ResourceId::kNewGameSound, MakeNewGameEffect, kStereo, kEffectQuality},
    {ResourceId::kThreeRowsSound, MakeThreeRowsEffect, kStereo, kEffectQuality},
    {ResourceId::kTwoRowsSound, MakeTwoRowsEffect, kStereo, kEffectQuality},
    {ResourceId::kMenuMusicMarch, MakeMarchTrack, kStereo, kMusicQuality},
    {ResourceId::kMenuMusicBouncy, MakeBounceTrack, kStereo, kMusicQuality},
};

}  // namespace

std::vector<Asset> MakeSounds() {
    std::vector<Asset> sounds;
    for (const SoundRecipe& recipe : kRecipes) {
        // The resource id doubles as the stream serial number: fixed, and distinct per sound.
        sounds.push_back(
            {recipe.id, "OGG", std::to_string(recipe.id) + ".ogg",
             EncodeOggVorbis(recipe.make(), recipe.channels, recipe.quality, recipe.id)});
    }
    return sounds;
}

}  // namespace Drobix::AssetGen

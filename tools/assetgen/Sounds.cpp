#include "Sounds.h"

#include <string>

#include "sound/AudioBuffer.h"
#include "sound/Effects.h"
#include "sound/MenuMusic.h"
#include "sound/VorbisEncoder.h"

namespace Drobix::AssetGen {

namespace {

// Quality on libvorbis's scale; high enough for clean chimes, and the music compresses to
// about a tenth of its decoded size.
constexpr float kEffectQuality = 0.4f;
constexpr float kMusicQuality = 0.4f;

struct SoundRecipe {
    int id;
    AudioBuffer (*make)();
    float quality;
};

constexpr SoundRecipe kRecipes[] = {
    {131, MakeLandingEffect, kEffectQuality},   {133, MakeGameOverEffect, kEffectQuality},
    {134, MakeFourRowsEffect, kEffectQuality},  {135, MakeLevelUpEffect, kEffectQuality},
    {136, MakeOneRowEffect, kEffectQuality},    {137, MakeNewGameEffect, kEffectQuality},
    {138, MakeThreeRowsEffect, kEffectQuality}, {139, MakeTwoRowsEffect, kEffectQuality},
    {152, MakeMarchTrack, kMusicQuality},       {153, MakeBounceTrack, kMusicQuality},
};

}  // namespace

std::vector<Asset> MakeSounds() {
    std::vector<Asset> sounds;
    for (const SoundRecipe& recipe : kRecipes) {
        // The resource id doubles as the stream serial number: fixed, and distinct per sound.
        sounds.push_back({recipe.id, "OGG", std::to_string(recipe.id) + ".ogg",
                          EncodeOggVorbis(recipe.make(), recipe.quality, recipe.id)});
    }
    return sounds;
}

}  // namespace Drobix::AssetGen

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "BlockSprites.h"
#include "Codecs.h"
#include "GlyphRenderer.h"
#include "Icon.h"
#include "Image.h"
#include "Pictures.h"
#include "ResourceIds.h"
#include "ShapePatterns.h"
#include "Texture.h"

namespace Drobix::AssetGen {

namespace {

using namespace Art;

IndexedImage SolidPixel(Rgb colour) {
    IndexedImage image;
    image.width = 1;
    image.height = 1;
    image.indices = {0};
    image.palette = {colour};
    return image;
}

// Single black and white pixels; drawn with white transparent it halves the brightness of
// whatever is behind.
IndexedImage Checker() {
    IndexedImage image;
    image.width = 80;
    image.height = 60;
    image.palette = {{0, 0, 0}, {255, 255, 255}};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.indices.push_back(static_cast<uint8_t>((x + y) % 2));
        }
    }
    return image;
}

// A red neon question mark on black, shown in the preview box when the next block is hidden.
// Its colours lie on one ramp from black through red to a hot pale centre, so they fit a
// palette exactly.
IndexedImage QuestionMark() {
    constexpr int kSize = 104;
    GlyphRenderer renderer(DejaVuSansBoldPath());
    if (!renderer.Ok()) {
        std::fprintf(stderr, "assetgen: cannot open %s\n", DejaVuSansBoldPath().c_str());
        std::exit(1);
    }
    renderer.SetSize(96, 96);
    const GlyphBitmap glyph = renderer.Render('?');
    Mask core(kSize, kSize);
    const int left = (kSize - glyph.width) / 2;
    const int top = (kSize - glyph.height) / 2;
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            core.At(left + x, top + y) = glyph.At(x, y) / 255.0f;
        }
    }
    Mask inner = core;
    inner.Blur(3, 2);
    Mask glow = core;
    glow.Blur(5, 3);
    Mask halo = core;
    halo.Blur(12, 3);

    constexpr int kLevels = 255;
    auto ramp = [](float t) {
        // black -> deep red -> neon red -> a pale hot core
        if (t < 0.5f) {
            return Mix(Hex(0x000000), Hex(0x8C0008), t / 0.5f);
        }
        if (t < 0.86f) {
            return Mix(Hex(0x8C0008), Hex(0xFF1428), (t - 0.5f) / 0.36f);
        }
        return Mix(Hex(0xFF1428), Hex(0xFFA09A), (t - 0.86f) / 0.14f);
    };
    IndexedImage image;
    image.width = kSize;
    image.height = kSize;
    for (int level = 0; level <= kLevels; ++level) {
        image.palette.push_back(ToRgb(ramp(static_cast<float>(level) / kLevels)));
    }
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float c = core.At(x, y);
            // Only the middle of the thick strokes gets hot, like the filament of a neon tube.
            const float hot = SmoothStep(0.82f, 1.0f, inner.At(x, y));
            const float light =
                std::max({halo.At(x, y) * 0.8f, glow.At(x, y) * 0.78f, c * (0.86f + 0.14f * hot)});
            image.indices.push_back(
                static_cast<uint8_t>(std::lround(std::clamp(light, 0.0f, 1.0f) * kLevels)));
        }
    }
    return image;
}

}  // namespace

std::vector<Asset> MakeSprites() {
    return {
        {ResourceId::kBlockSpriteSheet, "PNG", "blocks.png", EncodePng(MakeBlockSheet())},
        {ResourceId::kCheckerOverlay, "PNG", "checker.png", EncodePng(Checker())},
        {ResourceId::kBlackPixel, "PNG", "fill-black.png", EncodePng(SolidPixel({0, 0, 0}))},
        {ResourceId::kWindowIcon, "ICON", "icon.png",
         EncodePng(Art::MakeIcon(Art::kWindowIconSize))},
        {ResourceId::kGreyPixel, "PNG", "border-grey.png", EncodePng(SolidPixel({66, 63, 63}))},
        {ResourceId::kHiddenPreviewSign, "PNG", "hidden-preview.png", EncodePng(QuestionMark())},
        {ResourceId::kShapePatternSheet, "PNG", "patterns.png", EncodePng(MakePatternSheet())},
    };
}

}  // namespace Drobix::AssetGen

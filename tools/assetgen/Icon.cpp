// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Icon.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>

#include "BlockSprites.h"
#include "Codecs.h"

namespace Drobix::AssetGen::Art {

namespace {

// Every length of the design is given for 32 pixels and scaled.
constexpr float kDesignSize = 32.0f;
constexpr float kDesignGap = 2.0f;
constexpr float kDesignRadius = 3.0f;

struct IconGeometry {
    int cell;
    int gap;
    int margin;  // left and top, when the cells do not fill the square exactly
    float scale;
};

IconGeometry GeometryFor(int size) {
    const float scale = static_cast<float>(size) / kDesignSize;
    const int gap = std::max(1, static_cast<int>(std::lround(kDesignGap * scale)));
    const int cell = (size - gap) / 2;
    return {cell, gap, (size - 2 * cell - gap) / 2, scale};
}

// Distance of a pixel's centre inside a rounded square of the cell's size.
float InsetInCell(float px, float py, int cell, float radius) {
    const float cx = std::clamp(px, radius, cell - radius);
    const float cy = std::clamp(py, radius, cell - radius);
    return (cx == px || cy == py) ? std::min({px, py, cell - px, cell - py})
                                  : radius - std::hypot(px - cx, py - cy);
}

// A dark rim, a bevel lit from the top left, and a face that darkens towards its edges.
Colour ShadeCell(Colour face, float px, float py, float inset, int cell, float scale) {
    if (inset < scale) {
        return face * 0.45f;
    }
    if (inset < 2 * scale) {
        return (px + py < cell) ? Mix(face, {1, 1, 1}, 0.4f) : face * 0.65f;
    }
    const float half = cell / 2.0f;
    const float dx = (px - half) / half;
    const float dy = (py - half) / half;
    return face * (1.0f - 0.22f * std::min(1.0f, dx * dx + dy * dy));
}

}  // namespace

RgbaImage MakeIcon(int size) {
    const IconGeometry geometry = GeometryFor(size);
    const float radius = kDesignRadius * geometry.scale;
    const Colour colours[4] = {FromRgb(kFaceColours[0]), FromRgb(kFaceColours[6]),
                               FromRgb(kFaceColours[8]), FromRgb(kFaceColours[4])};
    RgbaImage icon;
    icon.width = size;
    icon.height = size;
    icon.bytes.assign(static_cast<size_t>(size) * size * 4, 0);
    for (int cell = 0; cell < 4; ++cell) {
        const int ox = geometry.margin + (cell % 2) * (geometry.cell + geometry.gap);
        const int oy = geometry.margin + (cell / 2) * (geometry.cell + geometry.gap);
        for (int y = 0; y < geometry.cell; ++y) {
            for (int x = 0; x < geometry.cell; ++x) {
                const float px = static_cast<float>(x) + 0.5f;
                const float py = static_cast<float>(y) + 0.5f;
                const float inset = InsetInCell(px, py, geometry.cell, radius);
                const float alpha = std::clamp(inset + 0.5f, 0.0f, 1.0f);
                if (alpha <= 0) {
                    continue;
                }
                const Rgb rgb =
                    ToRgb(ShadeCell(colours[cell], px, py, inset, geometry.cell, geometry.scale));
                uint8_t* p = &icon.bytes[(static_cast<size_t>(oy + y) * size + ox + x) * 4];
                p[0] = rgb.r;
                p[1] = rgb.g;
                p[2] = rgb.b;
                p[3] = static_cast<uint8_t>(std::lround(alpha * 255));
            }
        }
    }
    return icon;
}

bool WriteDesktopIcons(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const int size : kDesktopIconSizes) {
        const std::vector<uint8_t> bytes = EncodePng(MakeIcon(size));
        std::ofstream out(folder / ("icon-" + std::to_string(size) + ".png"),
                          std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            return false;
        }
    }
    return true;
}

}  // namespace Drobix::AssetGen::Art

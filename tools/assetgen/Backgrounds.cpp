// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>

#include "Codecs.h"
#include "Image.h"
#include "Pictures.h"
#include "ResourceIds.h"
#include "Texture.h"

namespace Drobix::AssetGen {

namespace {

using namespace Art;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kJpegQuality = 92;
constexpr float kPi = 3.14159265f;

struct Box {
    int left, top, right, bottom;  // right and bottom exclusive
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    Box Grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
};

// Where the game screen draws: the board's cells (10 x 20 at a 26-pixel pitch from (270, 40)),
// the 104 x 104 preview at (544, 188), and the Level, Score and Lines figures from (554, 317).
constexpr Box kBoardCells{270, 40, 529, 559};
constexpr Box kWell{268, 38, 531, 561};
constexpr Box kPreviewBox{542, 186, 650, 294};
constexpr Box kFigures{542, 306, 724, 561};
constexpr int kFrame = 4;

// Colours of one mood.
struct Theme {
    Colour wellTop, wellBottom;  // the well's own dark tint
    Colour gridLine;             // faint lines in the gaps between cells
    Colour frameLight, frameDark, frameMid;
    Colour glow;  // light around the frames
    float glowStrength;
};

// ---- painting helpers ----

void VerticalGradient(Canvas& canvas, const std::vector<std::pair<float, Colour>>& stops) {
    for (int y = 0; y < canvas.Height(); ++y) {
        const float t = static_cast<float>(y) / static_cast<float>(canvas.Height() - 1);
        Colour c = stops.front().second;
        for (size_t i = 1; i < stops.size(); ++i) {
            if (t <= stops[i].first) {
                const float span = stops[i].first - stops[i - 1].first;
                c = Mix(stops[i - 1].second, stops[i].second,
                        SmoothStep(0, 1, (t - stops[i - 1].first) / span));
                break;
            }
            c = stops[i].second;
        }
        for (int x = 0; x < canvas.Width(); ++x) {
            canvas.At(x, y) = c;
        }
    }
}

// Adds `colour` times the mask's value to every pixel (light, not paint).
void AddLight(Canvas& canvas, const Mask& mask, Colour colour, float strength) {
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            canvas.AddLight(x, y, colour, mask.At(x, y) * strength);
        }
    }
}

// A soft round spot of light.
void SoftSpot(Canvas& canvas, float cx, float cy, float radius, Colour colour, float strength) {
    const int x0 = std::max(0, static_cast<int>(cx - radius) - 1);
    const int x1 = std::min(canvas.Width() - 1, static_cast<int>(cx + radius) + 1);
    const int y0 = std::max(0, static_cast<int>(cy - radius) - 1);
    const int y1 = std::min(canvas.Height() - 1, static_cast<int>(cy + radius) + 1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(static_cast<float>(x) - cx, static_cast<float>(y) - cy);
            const float t = 1 - d / radius;
            if (t > 0) {
                canvas.AddLight(x, y, colour, strength * t * t);
            }
        }
    }
}

// An anti-aliased disc painted over the canvas; `rim` adds a brighter edge (bubbles, bokeh).
void Disc(Canvas& canvas, float cx, float cy, float radius, Colour colour, float alpha, float rim) {
    const int x0 = std::max(0, static_cast<int>(cx - radius) - 2);
    const int x1 = std::min(canvas.Width() - 1, static_cast<int>(cx + radius) + 2);
    const int y0 = std::max(0, static_cast<int>(cy - radius) - 2);
    const int y1 = std::min(canvas.Height() - 1, static_cast<int>(cy + radius) + 2);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(static_cast<float>(x) - cx, static_cast<float>(y) - cy);
            const float cover = std::clamp(radius - d + 0.5f, 0.0f, 1.0f);
            if (cover <= 0) {
                continue;
            }
            const float edge = std::clamp(1 - (radius - d) / 2.0f, 0.0f, 1.0f);
            canvas.Blend(x, y, colour, cover * alpha * (1 - rim + rim * edge));
        }
    }
}

void Stars(Canvas& canvas, Rng& rng, int count, Box area, float brightness,
           const std::function<bool(int, int)>& allowed) {
    for (int i = 0; i < count; ++i) {
        const float x = rng.Range(static_cast<float>(area.left), static_cast<float>(area.right));
        const float y = rng.Range(static_cast<float>(area.top), static_cast<float>(area.bottom));
        const float size = rng.Unit();
        const float tint = rng.Unit();
        if (!allowed(static_cast<int>(x), static_cast<int>(y))) {
            continue;
        }
        const Colour colour = tint < 0.3f   ? Hex(0xBFD4FF)
                              : tint < 0.5f ? Hex(0xFFE6C8)
                                            : Hex(0xFFFFFF);
        const float b = brightness * (0.25f + 0.75f * size * size);
        SoftSpot(canvas, x, y, 1.2f + 1.4f * size, colour, b);
        if (size > 0.93f) {
            // A few bright ones with a small cross of light.
            for (int k = -5; k <= 5; ++k) {
                const float fall = b * 0.35f * (1 - static_cast<float>(std::abs(k)) / 6.0f);
                canvas.AddLight(static_cast<int>(x) + k, static_cast<int>(y), colour, fall);
                canvas.AddLight(static_cast<int>(x), static_cast<int>(y) + k, colour, fall);
            }
        }
    }
}

// Darkens the picture towards its corners.
void Vignette(Canvas& canvas, float strength) {
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const float dx = (static_cast<float>(x) - 400) / 400;
            const float dy = (static_cast<float>(y) - 300) / 300;
            const float k = 1 - strength * SmoothStep(0.35f, 1.45f, dx * dx + dy * dy);
            canvas.At(x, y) = canvas.At(x, y) * k;
        }
    }
}

// A dark, slightly see-through recess: what is behind shows faintly through a tint.
void Recess(Canvas& canvas, Box box, Colour top, Colour bottom, float showThrough) {
    for (int y = box.top; y < box.bottom; ++y) {
        const float t = static_cast<float>(y - box.top) / static_cast<float>(box.bottom - box.top);
        const Colour tint = Mix(top, bottom, t);
        for (int x = box.left; x < box.right; ++x) {
            Colour& p = canvas.At(x, y);
            p = tint + p * showThrough;
        }
    }
    // A soft inner shadow along the top and left edges.
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const float d = static_cast<float>(std::min(x - box.left, y - box.top));
            if (d < 6) {
                canvas.At(x, y) = canvas.At(x, y) * (0.55f + 0.45f * d / 6);
            }
        }
    }
}

// A bevelled frame of `kFrame` pixels around `inner`, with the theme's glow outside it.
void Frame(Canvas& canvas, Box inner, const Theme& theme) {
    const Box outer = inner.Grown(kFrame);
    Mask glow(kWidth, kHeight);
    for (int y = outer.top; y < outer.bottom; ++y) {
        for (int x = outer.left; x < outer.right; ++x) {
            if (inner.Contains(x, y)) {
                continue;
            }
            glow.At(x, y) = 1;
            const int fromOuter = std::min(
                {x - outer.left, y - outer.top, outer.right - 1 - x, outer.bottom - 1 - y});
            // Light falls from the top left: the top and left sides of the ring are lit.
            const bool topOrLeft = std::min(y - outer.top, x - outer.left) <
                                   std::min(outer.bottom - 1 - y, outer.right - 1 - x);
            Colour c;
            if (fromOuter == 0) {
                c = theme.frameDark * 0.6f;
            } else if (fromOuter == kFrame - 1) {
                c = theme.frameDark * 0.5f;  // dark line against the recess
            } else if (fromOuter == 1) {
                c = topOrLeft ? theme.frameLight : theme.frameMid;
            } else {
                c = topOrLeft ? theme.frameMid : theme.frameDark;
            }
            canvas.At(x, y) = c;
        }
    }
    glow.Blur(6, 3);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!outer.Contains(x, y)) {
                canvas.AddLight(x, y, theme.glow, glow.At(x, y) * theme.glowStrength);
            }
        }
    }
}

// The parts every game background shares: the well with faint lines where the gaps between
// cells are, the preview box and the quiet panel for the figures.
void GameLayout(Canvas& canvas, const Theme& theme) {
    Recess(canvas, kWell, theme.wellTop, theme.wellBottom, 0.12f);
    for (int y = kWell.top; y < kWell.bottom; ++y) {
        for (int x = kWell.left; x < kWell.right; ++x) {
            const bool column =
                x > kBoardCells.left && x < kBoardCells.right && (x - kBoardCells.left) % 26 == 25;
            const bool row =
                y > kBoardCells.top && y < kBoardCells.bottom && (y - kBoardCells.top) % 26 == 25;
            if (column || row) {
                canvas.AddLight(x, y, theme.gridLine, 1);
            }
        }
    }
    Frame(canvas, kWell, theme);
    Recess(canvas, kPreviewBox, theme.wellTop, theme.wellBottom, 0.12f);
    Frame(canvas, kPreviewBox, theme);
    Recess(canvas, kFigures, theme.wellTop * 1.4f, theme.wellBottom * 1.2f, 0.22f);
    Frame(canvas, kFigures, theme);
}

// Fine noise against banding in the smooth gradients.
void Grain(Canvas& canvas, uint64_t seed, float amount) {
    Rng rng(seed);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const float n = (rng.Unit() - 0.5f) * amount;
            canvas.At(x, y) = canvas.At(x, y) + Colour{n, n, n};
        }
    }
}

// ---- the four moods and the menu ----

// A northern night. Curtains of green and violet aurora over a starry sky, dark
// mountains below, a cool steel frame.
Canvas AuroraNight() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas, {{0.0f, Hex(0x02040E)},
                              {0.45f, Hex(0x061226)},
                              {0.8f, Hex(0x0B2233)},
                              {1.0f, Hex(0x0A1A22)}});
    Rng rng(104);
    Stars(canvas, rng, 420, {0, 0, kWidth, 470}, 0.55f, [](int, int) { return true; });
    // Aurora: bright ribbons along a wandering line, with rays hanging from them.
    auto ribbon = [&](float baseY, float amplitude, float phase, Colour colour, float strength,
                      uint32_t seed) {
        Mask light(kWidth, kHeight);
        for (int x = 0; x < kWidth; ++x) {
            const float fx = static_cast<float>(x);
            const float centre = baseY + amplitude * std::sin(fx * 0.006f + phase) +
                                 38 * Fbm(fx * 0.004f, phase, 4, seed);
            const float rays = 0.55f + 0.45f * Fbm(fx * 0.045f, 3.7f, 3, seed + 7);
            for (int y = 0; y < kHeight; ++y) {
                const float d = static_cast<float>(y) - centre;
                // Sharp lower edge, long fading curtain above it.
                const float below = std::exp(-d * d / 60.0f);
                const float above = d < 0 ? std::exp(d / 95.0f) * rays : 0;
                light.At(x, y) = std::max(below, above * 0.8f);
            }
        }
        light.Blur(2, 2);
        AddLight(canvas, light, colour, strength);
    };
    ribbon(250, 70, 0.5f, Hex(0x2BFF9C), 0.42f, 11);
    ribbon(170, 50, 2.4f, Hex(0x8C5CFF), 0.30f, 23);
    ribbon(320, 40, 4.1f, Hex(0x1ED2C8), 0.22f, 37);
    // Mountains: two ridges, the nearer darker.
    for (int layer = 0; layer < 2; ++layer) {
        const float base = layer == 0 ? 470.0f : 520.0f;
        const Colour rock = layer == 0 ? Hex(0x0C1A26) : Hex(0x04080D);
        for (int x = 0; x < kWidth; ++x) {
            const float fx = static_cast<float>(x);
            const float ridge = base -
                                60 * std::fabs(Fbm(fx * 0.004f, 1.3f + layer, 5, 51 + layer)) -
                                25 * Fbm(fx * 0.02f, 0.7f, 3, 61 + layer);
            for (int y = 0; y < kHeight; ++y) {
                const float cover = std::clamp(static_cast<float>(y) - ridge + 0.5f, 0.0f, 1.0f);
                if (cover > 0) {
                    // Snow light on the far ridge's crest.
                    const float crest =
                        layer == 0 ? std::exp(-(static_cast<float>(y) - ridge) / 6.0f) : 0.0f;
                    canvas.Blend(x, y, Mix(rock, Hex(0x3C6E78), crest * 0.5f), cover);
                }
            }
        }
    }
    Vignette(canvas, 0.35f);
    const Theme theme{Hex(0x040A12), Hex(0x02060A), Hex(0x0B1B24), Hex(0xB4D2E6),
                      Hex(0x243848), Hex(0x5A7890), Hex(0x2BFFB0), 0.20f};
    GameLayout(canvas, theme);
    Grain(canvas, 1104, 0.012f);
    return canvas;
}

// A forge. Glowing cracks in dark rock, sparks rising, heat from below, an iron frame.
Canvas EmberForge() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas, {{0.0f, Hex(0x080302)}, {0.6f, Hex(0x160604)}, {1.0f, Hex(0x3A0E04)}});
    // Rock plates with cracks: the crack is where the ridged noise is near zero.
    Mask cracks(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float fx = static_cast<float>(x) * 0.011f;
            const float fy = static_cast<float>(y) * 0.011f;
            const float warp = Fbm(fx * 0.7f, fy * 0.7f, 3, 5) * 1.6f;
            const float n = std::fabs(Fbm(fx + warp, fy - warp, 5, 9));
            const float heat = 0.35f + 0.65f * static_cast<float>(y) / kHeight;
            cracks.At(x, y) = SmoothStep(0.06f, 0.0f, n) * heat;
            const float rock = 0.5f + 0.5f * Fbm(fx * 3, fy * 3, 4, 13);
            canvas.At(x, y) = canvas.At(x, y) + Hex(0x1A0C08) * (rock * 0.9f);
        }
    }
    Mask heatGlow = cracks;
    heatGlow.Blur(8, 3);
    AddLight(canvas, heatGlow, Hex(0xFF5A0A), 1.1f);
    AddLight(canvas, cracks, Hex(0xFFB040), 0.9f);
    // Sparks rising.
    Rng rng(105);
    for (int i = 0; i < 170; ++i) {
        const float x = rng.Range(0, kWidth);
        const float y = rng.Range(40, kHeight);
        const float size = rng.Unit();
        const float drift = rng.Range(-1, 1);
        const Colour c = Mix(Hex(0xFF7A1A), Hex(0xFFE08A), rng.Unit());
        // A short streak, brighter at its head.
        for (int k = 0; k < 10; ++k) {
            const float t = static_cast<float>(k) / 10.0f;
            SoftSpot(canvas, x + drift * k * 0.8f, y + k * 1.6f, 1.2f + 1.8f * size * (1 - t), c,
                     (0.2f + 0.6f * size) * (1 - t) * (1 - t));
        }
    }
    SoftSpot(canvas, 400, 700, 520, Hex(0xFF4A00), 0.35f);
    Vignette(canvas, 0.45f);
    const Theme theme{Hex(0x0E0604), Hex(0x080302), Hex(0x2A1208), Hex(0xE0A070),
                      Hex(0x3A2218), Hex(0x7A5036), Hex(0xFF6A10), 0.28f};
    GameLayout(canvas, theme);
    Grain(canvas, 1105, 0.012f);
    return canvas;
}

// The deep sea. Light shafts from the surface, caustics, rising bubbles, kelp in the
// dark below, an aqua glass frame.
Canvas DeepSea() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas, {{0.0f, Hex(0x0F5870)},
                              {0.35f, Hex(0x0A3550)},
                              {0.75f, Hex(0x05182C)},
                              {1.0f, Hex(0x020812)}});
    // Caustics near the surface: bright net where two noises cross.
    for (int y = 0; y < 220; ++y) {
        const float fade = 1 - static_cast<float>(y) / 220.0f;
        for (int x = 0; x < kWidth; ++x) {
            const float fx = static_cast<float>(x) * 0.03f;
            const float fy = static_cast<float>(y) * 0.05f;
            const float a = std::fabs(Fbm(fx, fy, 3, 71));
            const float b = std::fabs(Fbm(fx * 1.3f + 4, fy * 1.3f, 3, 83));
            const float net = SmoothStep(0.08f, 0.0f, std::min(a, b));
            canvas.AddLight(x, y, Hex(0x7FE8FF), net * 0.25f * fade * fade);
        }
    }
    // Shafts of light slanting down from the top left.
    Mask shafts(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float u = static_cast<float>(x) + static_cast<float>(y) * 0.45f;
            const float s = 0.5f + 0.5f * Fbm(u * 0.012f, 0.5f, 3, 91);
            const float beam = SmoothStep(0.55f, 0.85f, s);
            shafts.At(x, y) = beam * std::exp(-static_cast<float>(y) / 260.0f);
        }
    }
    shafts.Blur(3, 2);
    AddLight(canvas, shafts, Hex(0x9FF0FF), 0.22f);
    // Kelp: swaying dark stalks rising from the floor.
    Rng rng(106);
    for (int i = 0; i < 22; ++i) {
        const float root = rng.Range(0, kWidth);
        const float height = rng.Range(120, 300);
        const float sway = rng.Range(10, 30);
        const float phase = rng.Range(0, 2 * kPi);
        const float width = rng.Range(3, 7);
        const Colour colour = Mix(Hex(0x03120E), Hex(0x0A2A1E), rng.Unit());
        for (int y = kHeight - 1; y > kHeight - height; --y) {
            const float t = static_cast<float>(kHeight - y) / height;
            const float cx = root + sway * std::sin(t * 3.2f + phase) * t;
            const float w = width * (1 - 0.7f * t);
            for (int x = static_cast<int>(cx - w) - 1; x <= static_cast<int>(cx + w) + 1; ++x) {
                const float cover =
                    std::clamp(w - std::fabs(static_cast<float>(x) - cx) + 0.5f, 0.0f, 1.0f);
                canvas.Blend(x, y, colour, cover * 0.92f);
            }
        }
    }
    // Bubbles, more and smaller towards the top.
    for (int i = 0; i < 90; ++i) {
        const float x = rng.Range(0, kWidth);
        const float y = rng.Range(20, kHeight - 20);
        const float r = rng.Range(1.5f, 2.5f + 7.0f * static_cast<float>(y) / kHeight);
        Disc(canvas, x, y, r, Hex(0xBFF6FF), 0.35f, 0.85f);
        SoftSpot(canvas, x - r * 0.35f, y - r * 0.35f, r * 0.5f + 0.8f, Hex(0xFFFFFF), 0.45f);
    }
    Vignette(canvas, 0.35f);
    const Theme theme{Hex(0x02101A), Hex(0x01070E), Hex(0x0B2632), Hex(0xA8F4FF),
                      Hex(0x15485A), Hex(0x3A90A8), Hex(0x40D8FF), 0.22f};
    GameLayout(canvas, theme);
    Grain(canvas, 1106, 0.012f);
    return canvas;
}

// Deep space. Magenta and blue nebula, dense stars, a ringed planet, a neon frame.
Canvas Nebula() {
    Canvas canvas(kWidth, kHeight, Hex(0x030208));
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float fx = static_cast<float>(x) * 0.004f;
            const float fy = static_cast<float>(y) * 0.004f;
            const float warp = Fbm(fx, fy, 3, 201) * 1.2f;
            const float n1 = Fbm(fx + warp, fy + warp * 0.5f, 6, 211);
            const float n2 = Fbm(fx * 1.7f - warp, fy * 1.7f, 5, 223);
            const float gas1 = SmoothStep(-0.1f, 0.6f, n1);
            const float gas2 = SmoothStep(0.0f, 0.7f, n2);
            const float dust = SmoothStep(0.1f, 0.5f, Fbm(fx * 3, fy * 3, 4, 229));
            Colour c = canvas.At(x, y);
            c = c + Hex(0xB02A9C) * (gas1 * 0.55f);
            c = c + Hex(0x2A5AE0) * (gas2 * 0.45f);
            c = c + Hex(0xFF9AD2) * (gas1 * gas2 * 0.35f);
            canvas.At(x, y) = c * (1 - 0.55f * dust);
        }
    }
    Rng rng(107);
    Stars(canvas, rng, 650, {0, 0, kWidth, kHeight}, 0.6f, [](int, int) { return true; });
    // A ringed planet in the upper left, lit from the right.
    const float px = 130, py = 150, pr = 62;
    auto ring = [&](bool front) {
        for (int y = 60; y < 240; ++y) {
            for (int x = 20; x < 250; ++x) {
                const float dx = static_cast<float>(x) - px;
                const float dy = (static_cast<float>(y) - py) * 3.6f + dx * 0.55f;
                const float d = std::hypot(dx, dy);
                const bool isFront = static_cast<float>(y) - py + dx * 0.15f > 0;
                if (isFront != front) {
                    continue;
                }
                const float band = SmoothStep(82, 86, d) * SmoothStep(118, 112, d) *
                                   (0.7f + 0.3f * std::sin(d * 0.6f));
                if (band > 0) {
                    canvas.Blend(x, y, Hex(0xE8C8A0), band * 0.75f);
                }
            }
        }
    };
    ring(false);
    for (int y = static_cast<int>(py - pr) - 2; y <= static_cast<int>(py + pr) + 2; ++y) {
        for (int x = static_cast<int>(px - pr) - 2; x <= static_cast<int>(px + pr) + 2; ++x) {
            const float dx = static_cast<float>(x) - px;
            const float dy = static_cast<float>(y) - py;
            const float d = std::hypot(dx, dy);
            const float cover = std::clamp(pr - d + 0.5f, 0.0f, 1.0f);
            if (cover <= 0) {
                continue;
            }
            const float bands = Fbm(dy * 0.05f, dx * 0.004f, 4, 241);
            const Colour surface = Mix(Hex(0x5A3A78), Hex(0xD89A6A), 0.5f + 0.5f * bands);
            // Light from the right, a thin bright limb.
            const float nz = std::sqrt(std::max(0.0f, 1 - (d / pr) * (d / pr)));
            const float light =
                std::clamp(0.15f + 0.85f * (dx / pr * 0.7f + nz * 0.5f), 0.05f, 1.0f);
            canvas.Blend(x, y, surface * light, cover);
        }
    }
    ring(true);
    SoftSpot(canvas, px, py, pr * 1.5f, Hex(0x9A6AFF), 0.12f);
    Vignette(canvas, 0.3f);
    const Theme theme{Hex(0x0A0414), Hex(0x04020A), Hex(0x1E0E2C), Hex(0xFF9CF0),
                      Hex(0x3A1A52), Hex(0x8A4AB0), Hex(0xE040FF), 0.26f};
    GameLayout(canvas, theme);
    Grain(canvas, 1107, 0.012f);
    return canvas;
}

// Behind the menus. A twilight violet-blue field with a faint grid where the falling
// decorations' cells go, soft lights, and a glow behind the logo.
Canvas MenuBackdrop() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas, {{0.0f, Hex(0x0C0A24)}, {0.5f, Hex(0x140F38)}, {1.0f, Hex(0x0A1630)}});
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float fx = static_cast<float>(x) * 0.003f;
            const float fy = static_cast<float>(y) * 0.003f;
            const float n = Fbm(fx, fy, 5, 301);
            canvas.At(x, y) = canvas.At(x, y) +
                              Hex(0x3A2A8A) * (0.25f * SmoothStep(-0.2f, 0.6f, n)) +
                              Hex(0x0A6A8A) * (0.18f * SmoothStep(0.0f, 0.7f, -n));
        }
    }
    SoftSpot(canvas, 400, 118, 420, Hex(0x7A5AFF), 0.22f);
    SoftSpot(canvas, 400, 118, 200, Hex(0xC8A0FF), 0.10f);
    Rng rng(101);
    for (int i = 0; i < 40; ++i) {
        const float x = rng.Range(0, kWidth);
        const float y = rng.Range(0, kHeight);
        const float r = rng.Range(8, 42);
        const Colour c = Mix(Hex(0x6A8AFF), Hex(0xE07AFF), rng.Unit());
        Disc(canvas, x, y, r, c, rng.Range(0.04f, 0.10f), 0.5f);
    }
    // The board's cells: 30 x 22 at a 26-pixel pitch from (10, 14). Faint outlines only.
    for (int y = 14; y < 14 + 22 * 26; ++y) {
        for (int x = 10; x < 10 + 30 * 26; ++x) {
            const int cx = (x - 10) % 26;
            const int cy = (y - 14) % 26;
            if (cx == 25 || cy == 25) {
                continue;  // the gap
            }
            if (cx == 0 || cy == 0 || cx == 24 || cy == 24) {
                canvas.AddLight(x, y, Hex(0x8A9AFF), 0.035f);
            }
        }
    }
    Vignette(canvas, 0.5f);
    Grain(canvas, 1101, 0.012f);
    return canvas;
}

// The game shows pictures in 16 bits (5 bits of red and blue, 6 of green), where a dark
// gradient would fall into visible steps. The background is reduced to those levels here with an
// ordered dither, so that the steps dissolve into a fine even pattern whose average is the
// painted colour. Each level is stored at the middle of the 8-bit values that reduce to it, so
// that the JPEG's small errors keep it.
constexpr int kBayerSize = 8;
constexpr std::array<std::array<int, kBayerSize>, kBayerSize> kBayer = {{
    {0, 32, 8, 40, 2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
}};
constexpr int kRedBlueBits = 5;
constexpr int kGreenBits = 6;

uint8_t DitheredChannel(float value, int bits, float threshold) {
    const int top = (1 << bits) - 1;
    const int level = std::clamp(
        static_cast<int>(
            std::floor(std::clamp(value, 0.0f, 1.0f) * static_cast<float>(top) + threshold)),
        0, top);
    const int bucket = 1 << (8 - bits);
    return static_cast<uint8_t>(level * bucket + bucket / 2);
}

RgbImage DitheredTo16Bits(const Canvas& canvas) {
    RgbImage image(canvas.Width(), canvas.Height());
    constexpr float kCells = kBayerSize * kBayerSize;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const float threshold =
                (static_cast<float>(kBayer[y % kBayerSize][x % kBayerSize]) + 0.5f) / kCells;
            const Colour c = canvas.At(x, y);
            image.At(x, y) = {DitheredChannel(c.r, kRedBlueBits, threshold),
                              DitheredChannel(c.g, kGreenBits, threshold),
                              DitheredChannel(c.b, kRedBlueBits, threshold)};
        }
    }
    return image;
}

Asset Jpeg(int id, const char* name, const Canvas& canvas) {
    return {id, "JPG", name, EncodeJpeg(DitheredTo16Bits(canvas), kJpegQuality)};
}

}  // namespace

std::vector<Asset> MakeBackgrounds() {
    return {
        Jpeg(ResourceId::kMenuBackground, "menu-background.jpg", MenuBackdrop()),
        Jpeg(ResourceId::kGameBackgroundAurora, "game-aurora.jpg", AuroraNight()),
        Jpeg(ResourceId::kGameBackgroundForge, "game-forge.jpg", EmberForge()),
        Jpeg(ResourceId::kGameBackgroundDeepSea, "game-deep-sea.jpg", DeepSea()),
        Jpeg(ResourceId::kGameBackgroundNebula, "game-nebula.jpg", Nebula()),
    };
}

}  // namespace Drobix::AssetGen

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Drobix::AssetGen::Art {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour while a picture is being painted: channels 0..1, not yet rounded.
struct Colour {
    float r = 0;
    float g = 0;
    float b = 0;
};

Colour operator+(Colour a, Colour b);
Colour operator*(Colour a, float k);
Colour Mix(Colour a, Colour b, float t);  // a at t = 0, b at t = 1
Colour FromRgb(Rgb c);
Colour Hex(uint32_t rgb);  // 0xRRGGBB
Rgb ToRgb(Colour c);       // clamped and rounded

// 8-bit RGB pixels, rows top to bottom.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    RgbImage() = default;
    RgbImage(int w, int h, Rgb fill = {});
    Rgb& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// RGB with an alpha channel, for the window icon.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bytes;  // r, g, b, a per pixel
};

// 8-bit palette pixels.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;
    std::vector<Rgb> palette;
};

// Turns an RGB picture into a palette picture holding exactly its colours, in the order the
// colours are first met (row by row), after the colours in `first`. Fails (returns false) with
// more than 256 colours.
bool ToIndexed(const RgbImage& image, const std::vector<Rgb>& first, IndexedImage& out);
RgbImage ToRgbImage(const IndexedImage& image);

// A picture being painted, in float channels.
class Canvas {
public:
    Canvas(int width, int height, Colour fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const Colour& At(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * width_ + x];
    }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Blends `c` over the pixel with opacity `alpha` (0..1); outside the canvas does nothing.
    void Blend(int x, int y, Colour c, float alpha);
    // Adds light: pixel += c * amount.
    void AddLight(int x, int y, Colour c, float amount);

    RgbImage ToRgbImage() const;

private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

// A grey-level mask (0..1) of the canvas size, for glows and shapes.
class Mask {
public:
    Mask(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    float& At(int x, int y) { return values_[static_cast<std::size_t>(y) * width_ + x]; }
    float At(int x, int y) const { return values_[static_cast<std::size_t>(y) * width_ + x]; }
    float Get(int x, int y) const;  // 0 outside
    // Box blur, `passes` times (three passes come close to a Gaussian).
    void Blur(int radius, int passes);

private:
    int width_;
    int height_;
    std::vector<float> values_;
};

}  // namespace Drobix::AssetGen::Art

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Image.h"

#include <algorithm>
#include <cmath>

namespace Drobix::AssetGen::Art {

Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Colour operator*(Colour a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
Colour Mix(Colour a, Colour b, float t) {
    return a * (1 - t) + b * t;
}
Colour FromRgb(Rgb c) {
    return {c.r / 255.0f, c.g / 255.0f, c.b / 255.0f};
}
Colour Hex(uint32_t rgb) {
    return FromRgb({static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                    static_cast<uint8_t>(rgb)});
}

namespace {
uint8_t ToByte(float v) {
    const float scaled = std::clamp(v, 0.0f, 1.0f) * 255.0f;
    return static_cast<uint8_t>(std::lround(scaled));
}
}  // namespace

Rgb ToRgb(Colour c) {
    return {ToByte(c.r), ToByte(c.g), ToByte(c.b)};
}

RgbImage::RgbImage(int w, int h, Rgb fill)
    : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

bool ToIndexed(const RgbImage& image, const std::vector<Rgb>& first, IndexedImage& out) {
    out.width = image.width;
    out.height = image.height;
    out.palette = first;
    out.indices.clear();
    out.indices.reserve(image.pixels.size());
    for (const Rgb& p : image.pixels) {
        auto found = std::find(out.palette.begin(), out.palette.end(), p);
        if (found == out.palette.end()) {
            if (out.palette.size() == 256) {
                return false;
            }
            out.palette.push_back(p);
            found = out.palette.end() - 1;
        }
        out.indices.push_back(static_cast<uint8_t>(found - out.palette.begin()));
    }
    return true;
}

RgbImage ToRgbImage(const IndexedImage& image) {
    RgbImage rgb(image.width, image.height);
    for (size_t i = 0; i < image.indices.size(); ++i) {
        rgb.pixels[i] = image.palette[image.indices[i]];
    }
    return rgb;
}

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, Colour c, float alpha) {
    if (!Contains(x, y) || alpha <= 0) {
        return;
    }
    Colour& p = At(x, y);
    p = Mix(p, c, std::min(alpha, 1.0f));
}

void Canvas::AddLight(int x, int y, Colour c, float amount) {
    if (!Contains(x, y) || amount <= 0) {
        return;
    }
    Colour& p = At(x, y);
    p = p + c * amount;
}

RgbImage Canvas::ToRgbImage() const {
    RgbImage image(width_, height_);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        image.pixels[i] = ToRgb(pixels_[i]);
    }
    return image;
}

Mask::Mask(int width, int height)
    : width_(width), height_(height), values_(static_cast<size_t>(width) * height, 0.0f) {}

float Mask::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return At(x, y);
}

void Mask::Blur(int radius, int passes) {
    std::vector<float> line;
    const float scale = 1.0f / static_cast<float>(2 * radius + 1);
    for (int pass = 0; pass < passes; ++pass) {
        // Rows, then columns; a running sum keeps each pass linear in the picture size.
        line.assign(static_cast<size_t>(width_), 0);
        for (int y = 0; y < height_; ++y) {
            float sum = 0;
            for (int x = -radius; x <= radius; ++x) {
                sum += Get(x, y);
            }
            for (int x = 0; x < width_; ++x) {
                line[static_cast<size_t>(x)] = sum * scale;
                sum += Get(x + radius + 1, y) - Get(x - radius, y);
            }
            std::copy(line.begin(), line.end(), values_.begin() + static_cast<long>(y) * width_);
        }
        line.assign(static_cast<size_t>(height_), 0);
        for (int x = 0; x < width_; ++x) {
            float sum = 0;
            for (int y = -radius; y <= radius; ++y) {
                sum += Get(x, y);
            }
            for (int y = 0; y < height_; ++y) {
                line[static_cast<size_t>(y)] = sum * scale;
                sum += Get(x, y + radius + 1) - Get(x, y - radius);
            }
            for (int y = 0; y < height_; ++y) {
                At(x, y) = line[static_cast<size_t>(y)];
            }
        }
    }
}

}  // namespace Drobix::AssetGen::Art

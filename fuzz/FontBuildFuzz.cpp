// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds a font from an arbitrary picture (two bytes of width, the rest RGB565 pixels, as a font
// picture reads back from a surface) and draws every glyph it found at the screen's edges: the
// glyphs must lie in the picture, and drawing them must stay in the back buffer. The same picture
// read as a font's second picture, and the input's bytes drawn as text (UTF-8 or not), too.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "graphics/ImageSurface.h"

namespace {

using namespace Drobix;

// Wide enough for the real font pictures' rows, small enough that every input is quick.
constexpr size_t kMaxWidth = 1024;
constexpr size_t kHeaderBytes = 2;
constexpr int kSpacing = 1;
constexpr char kGlyphOrder[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\nabcdefghijklmnopqrstuvwxyz\n0123456789";
// Pen positions that put glyphs across every edge of the 800 x 600 back buffer.
constexpr int kPens[][2] = {{-5, -5}, {0, 0}, {790, 590}, {400, 300}, {-1000, 100}, {100, 599}};

ImageSurface PictureFrom(const uint8_t* data, size_t size) {
    ImageSurface image;
    const size_t width =
        1 + (static_cast<size_t>(data[0]) | static_cast<size_t>(data[1]) << 8) % kMaxWidth;
    const size_t pixels = (size - kHeaderBytes) / sizeof(uint16_t);
    const size_t height = pixels / width;
    std::vector<uint16_t> values(width * height);
    if (!values.empty()) {
        std::memcpy(values.data(), data + kHeaderBytes, values.size() * sizeof(uint16_t));
    }
    SetImagePixels(&image, static_cast<int>(width), static_cast<int>(height), values);
    return image;
}

// The most of the input drawn as text: enough for every kind of byte sequence.
constexpr size_t kMaxTextBytes = 256;

bool Inside(const Rect& glyph, const ImageSurface& image) {
    return glyph.left >= 0 && glyph.top >= 0 && glyph.right <= image.width &&
           glyph.bottom <= image.height && glyph.left <= glyph.right && glyph.top <= glyph.bottom;
}

void CheckExtrasInside(ImageSurface& image) {
    BitmapFont font;
    BuildExtraGlyphs(font, &image);
    for (const ExtraGlyph& glyph : font.extras) {
        if (!Inside(glyph.rect, image)) {
            std::abort();
        }
    }
}

void CheckGlyphsInside(const BitmapFont& font, const ImageSurface& image) {
    for (const auto& glyph : font.glyphs) {
        if (glyph && (glyph->left < 0 || glyph->top < 0 || glyph->right > image.width ||
                      glyph->bottom > image.height || glyph->left > glyph->right ||
                      glyph->top > glyph->bottom)) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    OpenDisplay();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeaderBytes) {
        return 0;
    }
    ImageSurface image = PictureFrom(data, size);
    BuildFont(FontId::Large, kGlyphOrder, &image, kSpacing);
    const BitmapFont* font = GetFont(FontId::Large);
    CheckGlyphsInside(*font, image);
    const std::string text(kGlyphOrder);
    for (const auto& pen : kPens) {
        DrawString(FontId::Large, text, pen[0], pen[1]);
    }
    MeasureText(FontId::Large, text);
    const std::string_view bytes(reinterpret_cast<const char*>(data),
                                 std::min(size, kMaxTextBytes));
    DrawString(FontId::Large, bytes, 0, 0);
    const Rect box{10, 10, 200, 590};
    DrawStringWrapped(FontId::Large, bytes, &box);
    MeasureText(FontId::Large, bytes);
    CheckExtrasInside(image);
    // The display keeps draws for the end of the frame, and this picture ends with this input.
    CompleteFrame();
    FreeFonts();
    return 0;
}

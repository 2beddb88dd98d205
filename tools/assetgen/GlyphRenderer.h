// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <vector>

namespace Drobix::AssetGen::Art {

// One rendered glyph: 8-bit coverage, placed relative to the pen on the baseline.
struct GlyphBitmap {
    int width = 0;
    int height = 0;
    int left = 0;       // from the pen to the bitmap's left column
    int top = 0;        // from the baseline up to the bitmap's top row
    float advance = 0;  // pen advance in pixels
    std::vector<uint8_t> coverage;
    uint8_t At(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x]; }
};

// Renders glyphs of one TrueType face with FreeType, anti-aliased, without hinting (so the
// shapes scale evenly when the face is stretched).
class GlyphRenderer {
public:
    explicit GlyphRenderer(const std::string& fontPath);
    ~GlyphRenderer();
    GlyphRenderer(const GlyphRenderer&) = delete;
    GlyphRenderer& operator=(const GlyphRenderer&) = delete;

    bool Ok() const;
    // Em size in pixels, horizontally and vertically (different values stretch the face).
    void SetSize(float emWidth, float emHeight);
    GlyphBitmap Render(unsigned long codePoint) const;

private:
    struct Library;
    std::unique_ptr<Library> library_;
};

// The face that the tool renders with; stops the program with a message when it is missing.
const std::string& DejaVuSansBoldPath();
const std::string& DejaVuSansPath();

}  // namespace Drobix::AssetGen::Art

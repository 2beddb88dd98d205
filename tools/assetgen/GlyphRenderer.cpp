// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GlyphRenderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

namespace Drobix::AssetGen::Art {

struct GlyphRenderer::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

GlyphRenderer::GlyphRenderer(const std::string& fontPath) : library_(new Library) {
    if (FT_Init_FreeType(&library_->library) != 0) {
        library_->library = nullptr;
        return;
    }
    if (FT_New_Face(library_->library, fontPath.c_str(), 0, &library_->face) != 0) {
        library_->face = nullptr;
    }
}

GlyphRenderer::~GlyphRenderer() {
    if (library_->face != nullptr) {
        FT_Done_Face(library_->face);
    }
    if (library_->library != nullptr) {
        FT_Done_FreeType(library_->library);
    }
}

bool GlyphRenderer::Ok() const {
    return library_->face != nullptr;
}

void GlyphRenderer::SetSize(float emWidth, float emHeight) {
    // 26.6 fixed point at 72 dpi: points are pixels.
    FT_Set_Char_Size(library_->face, static_cast<FT_F26Dot6>(std::lround(emWidth * 64)),
                     static_cast<FT_F26Dot6>(std::lround(emHeight * 64)), 72, 72);
}

GlyphBitmap GlyphRenderer::Render(unsigned long codePoint) const {
    GlyphBitmap glyph;
    FT_Face face = library_->face;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
        return glyph;
    }
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = face->glyph->bitmap_left;
    glyph.top = face->glyph->bitmap_top;
    glyph.advance = static_cast<float>(face->glyph->advance.x) / 64.0f;
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            glyph.coverage[static_cast<size_t>(y) * glyph.width + x] =
                bitmap.buffer[static_cast<long>(y) * bitmap.pitch + x];
        }
    }
    return glyph;
}

const std::string& DejaVuSansPath() {
    static const std::string path = DROBIX_DEJAVU_SANS;
    return path;
}

const std::string& DejaVuSansBoldPath() {
    static const std::string path = DROBIX_DEJAVU_SANS_BOLD;
    return path;
}

}  // namespace Drobix::AssetGen::Art

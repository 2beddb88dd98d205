// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Drobix::Testing {

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// The 8-bit colour that converts to exactly this RGB565 value (bit replication).
Rgb RgbOf(uint16_t pixel);

// Pictures made in memory, rows top first.
std::vector<uint8_t> EncodeRgbPng(int width, int height, const std::vector<Rgb>& pixels);
std::vector<uint8_t> EncodePalettePng(int width, int height, const std::vector<uint8_t>& indices,
                                      const std::vector<Rgb>& palette);
std::vector<uint8_t> EncodeJpeg(int width, int height, const std::vector<Rgb>& pixels);
std::vector<uint8_t> SolidPng(int width, int height, Rgb colour);

// Serves pictures by id and type to the graphics module while it lives; the two 1 x 1
// pictures that the display loads when it opens are there from the start.
class FakeResources {
public:
    FakeResources();
    ~FakeResources();
    FakeResources(const FakeResources&) = delete;
    FakeResources& operator=(const FakeResources&) = delete;

    static void Add(int id, std::string type, std::vector<uint8_t> bytes);
    static void Remove(int id, std::string type);
};

// A font picture in the marker layout: one entry of glyph widths per glyph row, every row
// rowHeight glyph pixels high under its marker row. Glyph k (counted over all rows) is filled
// with GlyphColour(k) except its last pixel column, which stays black.
std::vector<Rgb> MakeFontPicture(const std::vector<std::vector<int>>& glyphWidths, int rowHeight,
                                 int& width, int& height);
uint16_t GlyphColour(int glyphIndex);

}  // namespace Drobix::Testing

#include "graphics/TestPictures.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on
#include <png.h>

#include <numeric>

#include "graphics/Display.h"
#include "graphics/PictureDecoder.h"

namespace Drobix::Testing {

namespace {

std::map<std::pair<int, std::string>, std::vector<uint8_t>> fakeResources;

std::span<const uint8_t> FindFakeResource(int id, std::string_view type) {
    const auto found = fakeResources.find({id, std::string(type)});
    if (found == fakeResources.end()) {
        return {};
    }
    return found->second;
}

void AppendBytes(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

void NoFlush(png_structp) {}

std::vector<uint8_t> EncodePng(int width, int height, int colourType,
                               const std::vector<uint8_t>& rows, int bytesPerPixel,
                               const std::vector<Rgb>& palette) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, AppendBytes, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> entries;
    for (const Rgb& c : palette) {
        entries.push_back({c.red, c.green, c.blue});
    }
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_PLTE(png, info, entries.data(), static_cast<int>(entries.size()));
    }
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        png_write_row(png, rows.data() + static_cast<size_t>(y) * width * bytesPerPixel);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace

Rgb RgbOf(uint16_t pixel) {
    const unsigned r = pixel >> 11;
    const unsigned g = (pixel >> 5) & 0x3F;
    const unsigned b = pixel & 0x1F;
    return {static_cast<uint8_t>((r << 3) | (r >> 2)), static_cast<uint8_t>((g << 2) | (g >> 4)),
            static_cast<uint8_t>((b << 3) | (b >> 2))};
}

std::vector<uint8_t> EncodeRgbPng(int width, int height, const std::vector<Rgb>& pixels) {
    std::vector<uint8_t> rows;
    for (const Rgb& p : pixels) {
        rows.insert(rows.end(), {p.red, p.green, p.blue});
    }
    return EncodePng(width, height, PNG_COLOR_TYPE_RGB, rows, 3, {});
}

std::vector<uint8_t> EncodePalettePng(int width, int height, const std::vector<uint8_t>& indices,
                                      const std::vector<Rgb>& palette) {
    return EncodePng(width, height, PNG_COLOR_TYPE_PALETTE, indices, 1, palette);
}

std::vector<uint8_t> SolidPng(int width, int height, Rgb colour) {
    return EncodeRgbPng(width, height,
                        std::vector<Rgb>(static_cast<size_t>(width) * height, colour));
}

std::vector<uint8_t> EncodeJpeg(int width, int height, const std::vector<Rgb>& pixels) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& p = pixels[static_cast<size_t>(y) * width + x];
            row[x * 3] = p.red;
            row[x * 3 + 1] = p.green;
            row[x * 3 + 2] = p.blue;
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

FakeResources::FakeResources() {
    fakeResources.clear();
    Add(kBorderImageId, "PNG", SolidPng(1, 1, {66, 63, 63}));
    Add(kFillImageId, "PNG", SolidPng(1, 1, {0, 0, 0}));
    SetPictureSource(&FindFakeResource);
}

FakeResources::~FakeResources() {
    SetPictureSource(nullptr);
    fakeResources.clear();
}

void FakeResources::Add(int id, std::string type, std::vector<uint8_t> bytes) {
    fakeResources[{id, std::move(type)}] = std::move(bytes);
}

void FakeResources::Remove(int id, std::string type) {
    fakeResources.erase({id, std::move(type)});
}

uint16_t GlyphColour(int glyphIndex) {
    return static_cast<uint16_t>(0x2000 + glyphIndex);
}

std::vector<Rgb> MakeFontPicture(const std::vector<std::vector<int>>& glyphWidths, int rowHeight,
                                 int& width, int& height) {
    constexpr Rgb kRed{255, 0, 0};
    constexpr Rgb kGreen{0, 255, 0};
    width = 2;
    for (const auto& row : glyphWidths) {
        width = std::max(width, 2 + std::accumulate(row.begin(), row.end(), 0));
    }
    height = static_cast<int>(glyphWidths.size()) * (rowHeight + 1);
    std::vector<Rgb> pixels(static_cast<size_t>(width) * height, Rgb{0, 0, 0});
    auto at = [&](int x, int y) -> Rgb& { return pixels[static_cast<size_t>(y) * width + x]; };
    bool glyphRed = true;
    int glyphIndex = 0;
    for (size_t r = 0; r < glyphWidths.size(); ++r) {
        const int top = static_cast<int>(r) * (rowHeight + 1);
        for (int y = top; y <= top + rowHeight; ++y) {
            at(0, y) = r % 2 == 0 ? kRed : kGreen;
        }
        int x = 1;
        for (const int glyphWidth : glyphWidths[r]) {
            const Rgb fill = RgbOf(GlyphColour(glyphIndex++));
            for (int i = 0; i < glyphWidth; ++i) {
                at(x + i, top) = glyphRed ? kRed : kGreen;
                for (int y = top + 1; y <= top + rowHeight && i + 1 < glyphWidth; ++y) {
                    at(x + i, y) = fill;
                }
            }
            x += glyphWidth;
            glyphRed = !glyphRed;
        }
    }
    return pixels;
}

}  // namespace Drobix::Testing

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Codecs.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace Drobix::AssetGen::Art {

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// Writes one PNG; `rowBytes` bytes per row from `pixels`.
std::vector<uint8_t> WritePng(int width, int height, int colourType,
                              const std::vector<Rgb>* palette, const uint8_t* pixels,
                              size_t rowBytes) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, AppendToVector, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> entries;
    if (palette != nullptr) {
        for (const Rgb& c : *palette) {
            entries.push_back({c.r, c.g, c.b});
        }
        png_set_PLTE(png, info, entries.data(), static_cast<int>(entries.size()));
    }
    png_set_sRGB_gAMA_and_cHRM(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    png_set_compression_level(png, 9);
    png_set_compression_strategy(png, 0);  // Z_DEFAULT_STRATEGY
    // Palette pictures compress best unfiltered; colour pictures with the adaptive filters.
    png_set_filter(png, PNG_FILTER_TYPE_BASE,
                   palette != nullptr ? PNG_FILTER_NONE : PNG_ALL_FILTERS);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        png_write_row(png, pixels + static_cast<size_t>(y) * rowBytes);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace

std::vector<uint8_t> EncodePng(const IndexedImage& image) {
    return WritePng(image.width, image.height, PNG_COLOR_TYPE_PALETTE, &image.palette,
                    image.indices.data(), static_cast<size_t>(image.width));
}

std::vector<uint8_t> EncodePng(const RgbImage& image) {
    static_assert(sizeof(Rgb) == 3);
    return WritePng(image.width, image.height, PNG_COLOR_TYPE_RGB, nullptr,
                    reinterpret_cast<const uint8_t*>(image.pixels.data()),
                    static_cast<size_t>(image.width) * 3);
}

std::vector<uint8_t> EncodePng(const RgbaImage& image) {
    return WritePng(image.width, image.height, PNG_COLOR_TYPE_RGBA, nullptr, image.bytes.data(),
                    static_cast<size_t>(image.width) * 4);
}

namespace {

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const RgbImage& image, int quality) {
    jpeg_compress_struct cinfo{};
    JpegError error{};
    cinfo.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegErrorExit;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.optimize_coding = TRUE;
    for (int c = 0; c < 3; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(image.width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        std::memcpy(row.data(), &image.At(0, static_cast<int>(cinfo.next_scanline)), row.size());
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

namespace {

struct PngReader {
    const std::vector<uint8_t>* bytes;
    size_t position;
};

void ReadFromVector(png_structp png, png_bytep data, png_size_t length) {
    auto* reader = static_cast<PngReader*>(png_get_io_ptr(png));
    if (reader->position + length > reader->bytes->size()) {
        png_error(png, "read past the end");
    }
    std::memcpy(data, reader->bytes->data() + reader->position, length);
    reader->position += length;
}

}  // namespace

std::optional<RgbImage> DecodePng(const std::vector<uint8_t>& bytes) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    RgbImage image;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return std::nullopt;
    }
    PngReader reader{&bytes, 0};
    png_set_read_fn(png, &reader, ReadFromVector);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_read_update_info(png, info);
    image = RgbImage(static_cast<int>(png_get_image_width(png, info)),
                     static_cast<int>(png_get_image_height(png, info)));
    for (int y = 0; y < image.height; ++y) {
        png_read_row(png, reinterpret_cast<png_bytep>(&image.At(0, y)), nullptr);
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return image;
}

std::optional<RgbImage> DecodeJpeg(const std::vector<uint8_t>& bytes) {
    jpeg_decompress_struct cinfo{};
    JpegError error{};
    cinfo.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegErrorExit;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return std::nullopt;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    RgbImage image(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[1] = {
            reinterpret_cast<JSAMPROW>(&image.At(0, static_cast<int>(cinfo.output_scanline)))};
        jpeg_read_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return image;
}

}  // namespace Drobix::AssetGen::Art

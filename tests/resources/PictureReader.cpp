// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/PictureReader.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace Drobix::Testing {

namespace {

struct Source {
    std::span<const uint8_t> bytes;
    size_t position = 0;
};

void ReadCallback(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (source->position + length > source->bytes.size()) {
        png_error(png, "read past the end of the resource");
    }
    std::memcpy(out, source->bytes.data() + source->position, length);
    source->position += length;
}

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// The first start-of-frame marker: 0xC0 is baseline.
bool HasBaselineFrame(std::span<const uint8_t> bytes) {
    for (size_t i = 2; i + 1 < bytes.size(); ++i) {
        if (bytes[i] != 0xFF) {
            continue;
        }
        const uint8_t marker = bytes[i + 1];
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            return marker == 0xC0;
        }
        if (marker >= 0xD0 && marker <= 0xD9) {
            continue;
        }
        if (marker != 0x00 && marker != 0xFF && i + 3 < bytes.size()) {
            i += 1 + ((bytes[i + 2] << 8) | bytes[i + 3]);  // skip the segment
        }
    }
    return false;
}

}  // namespace

std::optional<DecodedPicture> ReadPng(std::span<const uint8_t> bytes) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
        return std::nullopt;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    auto* picture = new DecodedPicture;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        delete picture;
        return std::nullopt;
    }
    Source source{bytes};
    png_set_read_fn(png, &source, ReadCallback);
    png_read_info(png, info);
    picture->width = static_cast<int>(png_get_image_width(png, info));
    picture->height = static_cast<int>(png_get_image_height(png, info));
    picture->bitDepth = png_get_bit_depth(png, info);
    picture->colourType = png_get_color_type(png, info);
    picture->channels = png_get_channels(png, info);
    png_colorp palette = nullptr;
    if (png_get_PLTE(png, info, &palette, &picture->paletteSize) == 0) {
        picture->paletteSize = 0;
    }
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_read_update_info(png, info);
    picture->rgb.resize(static_cast<size_t>(picture->width) * picture->height * 3);
    for (int y = 0; y < picture->height; ++y) {
        png_read_row(png, picture->rgb.data() + static_cast<size_t>(y) * picture->width * 3,
                     nullptr);
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    DecodedPicture result = std::move(*picture);
    delete picture;
    return result;
}

std::optional<DecodedPicture> ReadJpeg(std::span<const uint8_t> bytes) {
    jpeg_decompress_struct cinfo{};
    JpegError error{};
    cinfo.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegErrorExit;
    auto* picture = new DecodedPicture;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&cinfo);
        delete picture;
        return std::nullopt;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    picture->width = static_cast<int>(cinfo.image_width);
    picture->height = static_cast<int>(cinfo.image_height);
    picture->bitDepth = cinfo.data_precision;
    picture->colourType = -1;
    picture->channels = cinfo.num_components;
    picture->baseline = HasBaselineFrame(bytes) && !cinfo.progressive_mode;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    picture->rgb.resize(static_cast<size_t>(picture->width) * picture->height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row =
            picture->rgb.data() + static_cast<size_t>(cinfo.output_scanline) * picture->width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    DecodedPicture result = std::move(*picture);
    delete picture;
    return result;
}

}  // namespace Drobix::Testing

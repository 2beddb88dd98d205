// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/PictureDecoder.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "graphics/ImageSurface.h"
#include "graphics/PictureDecoderTesting.h"
#include "platform/Resources.h"

namespace Drobix {

namespace {

Testing::PictureSource pictureSource = &Platform::FindResource;

constexpr size_t kRgbaBytes = 4;
constexpr size_t kErrorTextSize = 200;

bool SizeAccepted(uint32_t width, uint32_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

// libpng and libjpeg report errors by longjmp. Every function below that calls setjmp holds
// only trivially destructible locals, and the jump never leaves it, so no destructor is skipped;
// the buffers live in the callers' frames.

struct PngState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const uint8_t* bytes = nullptr;
    size_t size = 0;
    size_t position = 0;
    char error[kErrorTextSize] = {};
};

void PngError(png_structp png, png_const_charp message) {
    auto* state = static_cast<PngState*>(png_get_error_ptr(png));
    std::snprintf(state->error, sizeof state->error, "%s", message);
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

void PngRead(png_structp png, png_bytep target, png_size_t count) {
    auto* state = static_cast<PngState*>(png_get_io_ptr(png));
    if (count > state->size - state->position) {
        png_error(png, "read past the end of the picture");
    }
    std::memcpy(target, state->bytes + state->position, count);
    state->position += count;
}

// Reads the header and asks libpng for 8-bit RGBA rows whatever the stored format.
bool ReadPngHeader(PngState& state, uint32_t& width, uint32_t& height) {
    if (setjmp(png_jmpbuf(state.png))) {
        return false;
    }
    png_set_user_limits(state.png, kMaxPictureSide, kMaxPictureSide);
    png_set_read_fn(state.png, &state, PngRead);
    png_read_info(state.png, state.info);
    width = png_get_image_width(state.png, state.info);
    height = png_get_image_height(state.png, state.info);
    const int colourType = png_get_color_type(state.png, state.info);
    png_set_expand(state.png);
    png_set_strip_16(state.png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(state.png);
    }
    png_set_add_alpha(state.png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(state.png);
    png_read_update_info(state.png, state.info);
    return png_get_rowbytes(state.png, state.info) == width * kRgbaBytes;
}

bool ReadPngRows(PngState& state, png_bytepp rows) {
    if (setjmp(png_jmpbuf(state.png))) {
        return false;
    }
    png_read_image(state.png, rows);
    png_read_end(state.png, nullptr);
    return true;
}

struct JpegState {
    jpeg_decompress_struct info = {};
    jpeg_error_mgr errors = {};
    std::jmp_buf jump = {};
    char error[JMSG_LENGTH_MAX] = {};
};

void JpegError(j_common_ptr info) {
    auto* state = reinterpret_cast<JpegState*>(info->client_data);
    info->err->format_message(info, state->error);
    std::longjmp(state->jump, 1);
}

void JpegMessage(j_common_ptr) {}

bool ReadJpegHeader(JpegState& state, std::span<const uint8_t> bytes) {
    if (setjmp(state.jump)) {
        return false;
    }
    jpeg_create_decompress(&state.info);
    jpeg_mem_src(&state.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&state.info, TRUE);
    state.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&state.info);
    return state.info.output_components == 3;
}

bool ReadJpegRows(JpegState& state, uint8_t* rgb, size_t rowBytes) {
    if (setjmp(state.jump)) {
        return false;
    }
    while (state.info.output_scanline < state.info.output_height) {
        JSAMPROW row = rgb + state.info.output_scanline * rowBytes;
        if (jpeg_read_scanlines(&state.info, &row, 1) != 1) {
            return false;
        }
    }
    jpeg_finish_decompress(&state.info);
    return true;
}

DecodedPicture Failed(std::string error) {
    DecodedPicture picture;
    picture.error = std::move(error);
    return picture;
}

DecodedPicture DecodeResourceBytes(std::span<const uint8_t> bytes,
                                   DecodedPicture (*decode)(std::span<const uint8_t>)) {
    if (bytes.empty()) {
        return Failed("Unable to load resource!");
    }
    return decode(bytes);
}

}  // namespace

DecodedPicture DecodePng(std::span<const uint8_t> bytes) {
    PngState state;
    state.bytes = bytes.data();
    state.size = bytes.size();
    state.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, PngError, PngWarning);
    if (state.png == nullptr) {
        return Failed("no PNG reader");
    }
    state.info = png_create_info_struct(state.png);
    uint32_t width = 0;
    uint32_t height = 0;
    DecodedPicture picture;
    std::vector<png_bytep> rows;
    bool decoded =
        state.info != nullptr && ReadPngHeader(state, width, height) && SizeAccepted(width, height);
    if (decoded) {
        picture.rgba.resize(static_cast<size_t>(width) * height * kRgbaBytes);
        rows.resize(height);
        for (uint32_t y = 0; y < height; ++y) {
            rows[y] = picture.rgba.data() + static_cast<size_t>(y) * width * kRgbaBytes;
        }
        decoded = ReadPngRows(state, rows.data());
    }
    png_destroy_read_struct(&state.png, &state.info, nullptr);
    if (!decoded) {
        return Failed(state.error[0] != '\0' ? state.error : "unsupported PNG picture");
    }
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    return picture;
}

DecodedPicture DecodeJpeg(std::span<const uint8_t> bytes) {
    if (bytes.empty()) {
        return Failed("empty JPEG picture");
    }
    JpegState state;
    state.info.err = jpeg_std_error(&state.errors);
    state.errors.error_exit = JpegError;
    state.errors.output_message = JpegMessage;
    state.info.client_data = &state;
    DecodedPicture picture;
    std::vector<uint8_t> rgb;
    bool decoded = ReadJpegHeader(state, bytes) &&
                   SizeAccepted(state.info.output_width, state.info.output_height);
    const size_t width = decoded ? state.info.output_width : 0;
    const size_t height = decoded ? state.info.output_height : 0;
    if (decoded) {
        rgb.resize(width * height * 3);
        decoded = ReadJpegRows(state, rgb.data(), width * 3);
    }
    jpeg_destroy_decompress(&state.info);
    if (!decoded) {
        return Failed(state.error[0] != '\0' ? state.error : "unsupported JPEG picture");
    }
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.rgba.resize(width * height * kRgbaBytes);
    for (size_t i = 0; i < width * height; ++i) {
        std::memcpy(&picture.rgba[i * kRgbaBytes], &rgb[i * 3], 3);
        picture.rgba[i * kRgbaBytes + 3] = 0xFF;
    }
    return picture;
}

namespace {

// Pictures are decoded once per load; until the next, their encoded bytes need not stay resident.
template <typename Decoder>
DecodedPicture DecodeAndRelease(int resourceId, std::string_view type, Decoder decode) {
    DecodedPicture picture = DecodeResourceBytes(pictureSource(resourceId, type), decode);
    Platform::ReleaseResourcePages(resourceId, type);
    return picture;
}

}  // namespace

namespace Testing {

void SetPictureSource(PictureSource source) {
    pictureSource = source != nullptr ? source : &Platform::FindResource;
}

}  // namespace Testing

DecodedPicture DecodePictureResource(int resourceId, ImageKind kind) {
    switch (kind) {
        case ImageKind::Jpg:
            return DecodeAndRelease(resourceId, "JPG", DecodeJpeg);
        case ImageKind::Png:
            return DecodeAndRelease(resourceId, "PNG", DecodePng);
        case ImageKind::Blank:
            break;
    }
    return Failed("Decode: Unknown or wrong format");
}

DecodedPicture DecodeIconResource(int resourceId) {
    return DecodeResourceBytes(pictureSource(resourceId, "ICON"), DecodePng);
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the whole screen back from an X server ($DISPLAY), writes it as a PNG picture, and
// checks that it shows the frame the game presented (a DROBIX_FRAME_COPY file) scaled to the
// given size somewhere on the screen, every channel within the rounding of the server's depth.
// Usage: drobix_screen_check FRAME_COPY SCREENSHOT_PNG WIDTH HEIGHT
// Exit status: 0 shown, 1 not shown, 2 cannot tell (bad arguments, no server), 3 the game was
// stopped in the middle of a present and the screen does not show its frame yet (to be stopped
// again and asked again).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "SharpScaled.h"
#include "platform/Presenter.h"

namespace {

using Drobix::Platform::kFrameHeight;
using Drobix::Platform::kFramePixels;
using Drobix::Platform::kFrameWidth;

constexpr int kShown = 0;
constexpr int kNotShown = 1;
constexpr int kCannotTell = 2;
constexpr int kMidPresent = 3;
constexpr int kChannelMax = 255;

struct Picture {
    int width = 0;
    int height = 0;
    // 0x00RRGGBB by rows.
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct Channel {
    unsigned long mask = 0;
    int shift = 0;
    int bits = 0;
};

Channel ChannelOf(unsigned long mask) {
    Channel channel{mask, 0, 0};
    while (mask != 0 && (mask & 1UL) == 0) {
        mask >>= 1;
        ++channel.shift;
    }
    while ((mask & 1UL) != 0) {
        mask >>= 1;
        ++channel.bits;
    }
    return channel;
}

uint32_t Widened(unsigned long pixel, const Channel& channel) {
    const unsigned long maximum = (1UL << channel.bits) - 1;
    const unsigned long value = (pixel & channel.mask) >> channel.shift;
    return static_cast<uint32_t>((value * kChannelMax + maximum / 2) / maximum);
}

// The root window as 8-bit channels, and the fewest bits any channel has there.
std::optional<Picture> ReadScreen(int& fewestBits) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return std::nullopt;
    }
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        XCloseDisplay(display);
        return std::nullopt;
    }
    const Channel red = ChannelOf(attributes.visual->red_mask);
    const Channel green = ChannelOf(attributes.visual->green_mask);
    const Channel blue = ChannelOf(attributes.visual->blue_mask);
    fewestBits = std::min({red.bits, green.bits, blue.bits});
    Picture screen{attributes.width, attributes.height, {}};
    screen.pixels.reserve(static_cast<size_t>(screen.width) * screen.height);
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            screen.pixels.push_back(Widened(pixel, red) << 16 | Widened(pixel, green) << 8 |
                                    Widened(pixel, blue));
        }
    }
    XDestroyImage(image);
    XCloseDisplay(display);
    return screen;
}

bool WritePng(const Picture& picture, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
                 static_cast<png_uint_32>(picture.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> row(static_cast<size_t>(picture.width) * 3);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t pixel = picture.At(x, y);
            row[static_cast<size_t>(x) * 3] = static_cast<uint8_t>(pixel >> 16);
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<uint8_t>(pixel >> 8);
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<uint8_t>(pixel);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

// The frame copy's count of presents and its pixels; none when the file is not one.
std::optional<std::vector<uint16_t>> ReadFrameCopy(const std::string& path, uint64_t& count) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint16_t> frame(kFramePixels);
    file.read(reinterpret_cast<char*>(&count), sizeof count);
    file.read(reinterpret_cast<char*>(frame.data()),
              static_cast<std::streamsize>(frame.size() * sizeof(uint16_t)));
    if (!file) {
        return std::nullopt;
    }
    return frame;
}

// The frame scaled to width x height as the game's own scaling does it.
Picture Scaled(const std::vector<uint16_t>& frame, int width, int height) {
    std::vector<uint32_t> converted(frame.size());
    Drobix::Platform::ConvertRgb565ToXrgb8888(frame.data(), converted.data(), kFramePixels);
    Picture scaled{
        width, height,
        Drobix::Testing::SharpScaled(converted, kFrameWidth, kFrameHeight, width, height)};
    for (uint32_t& pixel : scaled.pixels) {
        pixel &= 0x00FFFFFFU;
    }
    return scaled;
}

bool Near(uint32_t shown, uint32_t expected, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int difference = static_cast<int>((shown >> shift) & 0xFFU) -
                               static_cast<int>((expected >> shift) & 0xFFU);
        if (std::abs(difference) > tolerance) {
            return false;
        }
    }
    return true;
}

// How many pixels of the picture placed at (left, top) differ by more than the tolerance,
// counting no further than limit.
int Mismatches(const Picture& screen, const Picture& expected, int left, int top, int tolerance,
               int limit) {
    int count = 0;
    for (int y = 0; y < expected.height && count < limit; ++y) {
        for (int x = 0; x < expected.width && count < limit; ++x) {
            count += Near(screen.At(left + x, top + y), expected.At(x, y), tolerance) ? 0 : 1;
        }
    }
    return count;
}

// Says where the picture placed at (left, top) first differs, and how many pixels do.
void FirstMismatch(const Picture& screen, const Picture& expected, int left, int top,
                   int tolerance) {
    int count = 0;
    int firstX = -1;
    int firstY = -1;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            if (!Near(screen.At(left + x, top + y), expected.At(x, y), tolerance)) {
                if (count++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        }
    }
    std::printf("placed at %d,%d: %d pixels differ, the first at %d,%d (%06x, not %06x)\n", left,
                top, count, firstX, firstY, screen.At(left + firstX, top + firstY),
                expected.At(firstX, firstY));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s FRAME_COPY SCREENSHOT_PNG WIDTH HEIGHT\n", argv[0]);
        return kCannotTell;
    }
    const int width = std::atoi(argv[3]);
    const int height = std::atoi(argv[4]);
    uint64_t count = 0;
    const auto frame = ReadFrameCopy(argv[1], count);
    int fewestBits = 0;
    const auto screen = ReadScreen(fewestBits);
    if (!frame || !screen || width <= 0 || height <= 0 || width > screen->width ||
        height > screen->height) {
        std::fprintf(stderr, "no frame copy, no server, or a size that does not fit\n");
        return kCannotTell;
    }
    if (!WritePng(*screen, argv[2])) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return kCannotTell;
    }
    if (count == 0) {
        return kMidPresent;
    }
    // In the middle of a present the screen may still show the frame before; where it already
    // shows this one, it was handed over whole.
    const bool midPresent = count % 2 != 0;
    // A channel of n bits is within half a step of n bits of the 8-bit value, and the server
    // may truncate instead of round.
    const int tolerance = fewestBits >= 8 ? 1 : (1 << (8 - fewestBits));
    const Picture expected = Scaled(*frame, width, height);
    // The picture is found where its corner pixels and then all of it match.
    for (int top = 0; top + height <= screen->height; ++top) {
        for (int left = 0; left + width <= screen->width; ++left) {
            if (!Near(screen->At(left, top), expected.At(0, 0), tolerance) ||
                !Near(screen->At(left + width - 1, top + height - 1),
                      expected.At(width - 1, height - 1), tolerance)) {
                continue;
            }
            const int wrong = Mismatches(*screen, expected, left, top, tolerance, 1);
            if (wrong != 0 && midPresent == false) {
                FirstMismatch(*screen, expected, left, top, tolerance);
            }
            if (wrong == 0) {
                std::printf("the frame is shown at %d,%d, %dx%d, within %d\n", left, top, width,
                            height, tolerance);
                return kShown;
            }
        }
    }
    if (midPresent) {
        return kMidPresent;
    }
    std::printf("the frame is not shown at %dx%d anywhere on the screen\n", width, height);
    return kNotShown;
}

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window and its frames. Backends: sdl/PresenterSdl.cpp and
// scripted/PresenterScripted.cpp (frames kept in memory); the pixel conversion is shared, in
// helpers/PresenterPixels.cpp.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace Drobix::Platform {

// The frame the game draws: 800 x 600 RGB565 pixels, rows top first, no padding.
constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;
constexpr int kFramePixels = kFrameWidth * kFrameHeight;
// A converted frame (1.9 MB) is more than a processor core's cache holds, and writing it out to
// memory and reading it back costs more than converting it; so the frame is converted a band of
// rows at a time into one buffer that stays in the cache, each band handed on as it is done.
constexpr int kConversionBandRows = 40;
constexpr int kConversionBandPixels = kConversionBandRows * kFrameWidth;
static_assert(kFrameHeight % kConversionBandRows == 0);

// The columns [left, right) of a frame row that may differ from the frame presented before;
// the row is the same where the span is empty (left == right).
struct RowSpan {
    int left = 0;
    int right = 0;
};
using ChangedSpans = std::array<RowSpan, kFrameHeight>;

// An RGBA picture (8 bits per channel, rows top first) for the window icon.
struct IconPixels {
    int width = 0;
    int height = 0;
    std::span<const uint8_t> rgba;
};

// Full screen on the desktop's own resolution, or a resizable window; the frame is scaled into
// either with its aspect kept and black bars.
enum class WindowMode { Fullscreen, Window };

// The mode the next OpenMainWindow starts in; full screen unless told otherwise.
void SetStartWindowMode(WindowMode mode);
// The mode the window is in now (the start mode while no window is open).
WindowMode GetWindowMode();
// Whether the player switched the mode (Alt+Enter, F11, the settings) since the window was
// opened.
bool WasWindowModeSwitched();
// Switches an open window to the mode at once; sets the start mode while none is open.
void SetWindowMode(WindowMode mode);

// Opens the main window in the start mode, mouse cursor hidden, asking for input focus. A window
// opens at the largest whole multiple of the frame's size that fits the desktop's usable area
// with room for its frame (at least the frame's size). False when no window can be made (no
// display). An icon without pixels leaves the default icon.
bool OpenMainWindow(std::string_view title, const IconPixels& icon);
void CloseMainWindow();

// Shows one frame of kFramePixels pixels and returns at the next frame's time: after the
// display's refresh where the present waits for it, else once the display's refresh interval
// (60 Hz when unknown) has passed since the frame before. Outside the changed spans the frame is
// the same as the one presented before.
void PresentFrame(const uint16_t* frame, const ChangedSpans& changed);

// The pictures kept for drawing must be rebuilt (the rendering device or its targets were
// reset). Set by whoever notices; taken, and thereby cleared, by the graphics module.
void MarkSurfacesLost();
bool TakeSurfacesLost();

// One RGB565 pixel as 8-bit channels, each expanded by bit replication (0x1F -> 0xFF).
inline uint8_t ExpandRed(uint16_t pixel) {
    const unsigned red = pixel >> 11;
    return static_cast<uint8_t>((red << 3) | (red >> 2));
}
inline uint8_t ExpandGreen(uint16_t pixel) {
    const unsigned green = (pixel >> 5) & 0x3FU;
    return static_cast<uint8_t>((green << 2) | (green >> 4));
}
inline uint8_t ExpandBlue(uint16_t pixel) {
    const unsigned blue = pixel & 0x1FU;
    return static_cast<uint8_t>((blue << 3) | (blue >> 2));
}

// Converts count RGB565 pixels to 0xFFRRGGBB words, as the window surfaces take them.
void ConvertRgb565ToXrgb8888(const uint16_t* source, uint32_t* target, int count);

}  // namespace Drobix::Platform

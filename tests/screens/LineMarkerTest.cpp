// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The screens that point at a line with a ">" put it on that line's rows: read back from the
// frame as drawn, and from the frame as a 1024 x 768 window shows it through the sharp scaler.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "SharpScaled.h"
#include "TempDataHome.h"
#include "game/BlockFactory.h"
#include "game/Random.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "platform/Presenter.h"
#include "platform/scripted/KeyboardScripted.h"
#include "screens/ControlsScreen.h"
#include "screens/SettingsScreen.h"
#include "storage/Settings.h"

namespace Drobix {
namespace {

namespace Scripted = Platform::Scripted;

constexpr unsigned kFrameMs = 16;
// Longer than a menu's key gate, so that each held key acts once in one update.
constexpr unsigned kGateMs = 600;
constexpr int kScaledWidth = 1024;
constexpr int kScaledHeight = 768;
// A channel at least this bright is ink; the scaler's blended edges are fainter than the glyphs.
constexpr uint32_t kInkLevel = 0x30;
// Columns of black between the marker and the text, at the least.
constexpr int kColumnGap = 3;
// Pixels inside the panel's body that the frame, the rule under the title and their blended
// edges in the scaled picture never reach.
constexpr int kBodyInset = 3;

struct Picture {
    std::vector<uint32_t> pixels;  // 0x00RRGGBB
    int width = 0;
    int height = 0;

    bool IsInk(int x, int y) const {
        const uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
        return ((pixel >> 16) & 0xFF) >= kInkLevel || ((pixel >> 8) & 0xFF) >= kInkLevel ||
               (pixel & 0xFF) >= kInkLevel;
    }
};

// Rows first..last, inclusive.
struct Rows {
    int first = -1;
    int last = -1;
};

// What the inside of a panel body shows: the marker's rows and each text line's rows, top down.
struct PanelReading {
    Rows marker;
    std::vector<Rows> lines;
    int bottom = 0;  // the first row of the panel's frame below the text
};

// The inside of the panel whose body starts at (left, top) and ends before right, kept clear
// of its edges. Its bottom is where the panel's frame starts below it; the marker is the ink
// left of a gap of black columns, the text all ink right of it; a line is a run of rows with
// text ink.
PanelReading ReadPanel(const Picture& picture, int bodyLeft, int bodyTop, int bodyRight) {
    const int left = bodyLeft + kBodyInset;
    const int top = bodyTop + kBodyInset;
    const int right = bodyRight - kBodyInset;
    int bottom = top;
    while (bottom < picture.height && !picture.IsInk(left, bottom)) {
        ++bottom;
    }
    const auto columnHasInk = [&](int x) {
        for (int y = top; y < bottom; ++y) {
            if (picture.IsInk(x, y)) {
                return true;
            }
        }
        return false;
    };
    int x = left;
    while (x < right && !columnHasInk(x)) {
        ++x;
    }
    const int markerLeft = x;
    int blank = 0;
    while (x < right && blank < kColumnGap) {
        blank = columnHasInk(x) ? 0 : blank + 1;
        ++x;
    }
    const int textLeft = x;
    const auto rowHasInk = [&](int y, int from, int to) {
        for (int column = from; column < to; ++column) {
            if (picture.IsInk(column, y)) {
                return true;
            }
        }
        return false;
    };
    PanelReading reading;
    reading.bottom = bottom;
    bool inLine = false;
    for (int y = top; y < bottom; ++y) {
        if (rowHasInk(y, markerLeft, textLeft - kColumnGap)) {
            reading.marker.first = reading.marker.first < 0 ? y : reading.marker.first;
            reading.marker.last = y;
        }
        const bool text = rowHasInk(y, textLeft, right);
        if (text && !inLine) {
            reading.lines.push_back({y, y});
        }
        if (text) {
            reading.lines.back().last = y;
        }
        inLine = text;
    }
    return reading;
}

Picture DrawnFrame() {
    CompleteFrame();
    Picture picture{std::vector<uint32_t>(Platform::kFramePixels), Platform::kFrameWidth,
                    Platform::kFrameHeight};
    Platform::ConvertRgb565ToXrgb8888(BackBufferPixels(), picture.pixels.data(),
                                      Platform::kFramePixels);
    return picture;
}

Picture ScaledFrame(const Picture& frame) {
    return {
        Testing::SharpScaled(frame.pixels, frame.width, frame.height, kScaledWidth, kScaledHeight),
        kScaledWidth, kScaledHeight};
}

int Scaled(int position, int frameSize, int scaledSize) {
    return position * scaledSize / frameSize;
}

// A screen whose body lies at (left, top)-(right, ...) in the frame, with lineCount lines to
// choose from, the first chosen at entry.
struct MarkedScreen {
    const char* name;
    NonGameScreenBase* screen;
    std::function<int()> chosenLine;
    int lineCount;
    int left;
    int top;
    int right;
};

class LineMarkerTest : public testing::Test {
protected:
    void SetUp() override {
        LoadSettings();
        ASSERT_TRUE(OpenDisplay());
        BuildFonts();
        SeedRandom(7);
    }
    void TearDown() override {
        Scripted::ReleaseAllKeys();
        settings_.OnLeave(ScreenNumber::None);
        FreeFonts();
        CloseDisplay();
        DestroyAllBlocks();
    }

    // Checks the marker against the chosen line in the frame and through the scaler, for every
    // line, stepping down with the Down key.
    static void CheckEveryLine(const MarkedScreen& marked) {
        marked.screen->OnEnter();
        marked.screen->Update(kGateMs);
        for (int line = 0; line < marked.lineCount; ++line) {
            ASSERT_EQ(marked.chosenLine(), line) << marked.name;
            marked.screen->Render();
            const Picture frame = DrawnFrame();
            CheckMarker(frame, marked, line, marked.left, marked.top, marked.right, "800 x 600");
            const Picture scaled = ScaledFrame(frame);
            CheckMarker(scaled, marked, line, Scaled(marked.left, frame.width, scaled.width),
                        Scaled(marked.top, frame.height, scaled.height),
                        Scaled(marked.right, frame.width, scaled.width), "1024 x 768");
            Scripted::SetKeyDown(VirtualKey::kDown, true);
            marked.screen->Update(kGateMs);
            Scripted::ReleaseAllKeys();
            marked.screen->Update(kFrameMs);
        }
    }

    static void CheckMarker(const Picture& picture, const MarkedScreen& marked, int line, int left,
                            int top, int right, const char* size) {
        const PanelReading reading = ReadPanel(picture, left, top, right);
        ASSERT_GT(static_cast<int>(reading.lines.size()), line)
            << marked.name << " at " << size << ": the text has too few lines";
        ASSERT_GE(reading.marker.first, 0) << marked.name << " at " << size << ": no marker";
        const Rows& text = reading.lines[static_cast<size_t>(line)];
        EXPECT_TRUE(reading.marker.first >= text.first && reading.marker.last <= text.last)
            << marked.name << " at " << size << ", line " << line + 1
            << " chosen: the marker on rows " << reading.marker.first << ".." << reading.marker.last
            << ", the line's text on rows " << text.first << ".." << text.last;
    }

    Testing::TempDataHome dataHome_;
    SettingsScreen settings_;
    ControlsScreen controls_;
};

TEST_F(LineMarkerTest, SettingsMarkerStandsOnTheChosenLine) {
    CheckEveryLine(
        {"settings", &settings_, [this] { return settings_.GetSelectedLine(); }, 7, 250, 260, 550});
}

TEST_F(LineMarkerTest, ControlsMarkerStandsOnTheChosenLine) {
    CheckEveryLine(
        {"controls", &controls_, [this] { return controls_.GetSelectedLine(); }, 8, 230, 252, 570});
}

// The message under the keys (here while a key is awaited) is a line of the panel too: the panel
// ends 20 rows below it, as the text starts 20 rows below the panel's top.
TEST_F(LineMarkerTest, ControlsPanelHoldsItsMessage) {
    constexpr int kMargin = 20;
    controls_.OnEnter();
    controls_.Update(kGateMs);
    Scripted::SetKeyDown('1', true);
    controls_.Update(kGateMs);
    Scripted::ReleaseAllKeys();
    ASSERT_TRUE(controls_.IsWaitingForKey());
    controls_.Render();
    const PanelReading reading = ReadPanel(DrawnFrame(), 230, 252, 570);
    ASSERT_EQ(reading.lines.size(), 12U)
        << "eight actions, two keys of the screen, the message wrapped on its two lines";
    // The message's first line has descenders ("key"), in its last row; the second may have
    // none, so its last row is found one line's advance below the first's.
    const Rows& firstMessageLine = reading.lines[reading.lines.size() - 2];
    const int lastRow = firstMessageLine.last + GetFont(FontId::Small)->LineAdvance();
    EXPECT_EQ(reading.bottom - 1 - lastRow, kMargin)
        << "the message's first line's rows " << firstMessageLine.first << ".."
        << firstMessageLine.last << ", the panel's frame from row " << reading.bottom;
}

}  // namespace
}  // namespace Drobix

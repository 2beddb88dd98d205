// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <png.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/Presenter.h"
#include "platform/scripted/PresenterScripted.h"

namespace Drobix::Platform {

struct MainWindow {
    std::string title;
    int iconWidth = 0;
    int iconHeight = 0;
};

namespace {

struct PresenterState {
    MainWindow window;
    bool windowOpen = false;
    WindowMode startMode = WindowMode::Fullscreen;
    bool surfacesLost = false;
    std::vector<uint16_t> lastFrame;
    ChangedSpans lastChangedSpans;
    uint64_t presentCount = 0;
};

PresenterState presenter;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// libpng reports errors by longjmp; the jump lands in this frame, which holds nothing that
// needs destroying, so no destructor of ours is skipped.
bool WriteRgbRows(std::FILE* file, const std::vector<png_bytep>& rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, kFrameWidth, kFrameHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, const_cast<png_bytepp>(rows.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

void SetStartWindowMode(WindowMode mode) {
    presenter.startMode = mode;
}

// The scripted window has no mode of its own: it is the one last asked for.
WindowMode GetWindowMode() {
    return presenter.startMode;
}

bool WasWindowModeSwitched() {
    return false;
}

void SetWindowMode(WindowMode mode) {
    presenter.startMode = mode;
}

bool OpenMainWindow(std::string_view title, const IconPixels& icon) {
    presenter.window.title = std::string(title);
    presenter.window.iconWidth = icon.width;
    presenter.window.iconHeight = icon.height;
    presenter.windowOpen = true;
    return true;
}

void CloseMainWindow() {
    presenter.window = MainWindow{};
    presenter.windowOpen = false;
    presenter.startMode = WindowMode::Fullscreen;
}

void PresentFrame(const uint16_t* frame, const ChangedSpans& changed) {
    presenter.lastFrame.assign(frame, frame + kFramePixels);
    presenter.lastChangedSpans = changed;
    ++presenter.presentCount;
}

void MarkSurfacesLost() {
    presenter.surfacesLost = true;
}

bool TakeSurfacesLost() {
    const bool lost = presenter.surfacesLost;
    presenter.surfacesLost = false;
    return lost;
}

namespace Scripted {

bool IsMainWindowOpen() {
    return presenter.windowOpen;
}

std::string GetMainWindowTitle() {
    return presenter.window.title;
}

int GetMainWindowIconWidth() {
    return presenter.window.iconWidth;
}

int GetMainWindowIconHeight() {
    return presenter.window.iconHeight;
}

std::span<const uint16_t> GetLastFrame() {
    return presenter.lastFrame;
}

ChangedSpans GetLastChangedSpans() {
    return presenter.lastChangedSpans;
}

uint64_t GetPresentCount() {
    return presenter.presentCount;
}

bool WriteLastFrameAsPng(const std::string& path) {
    const std::vector<uint16_t>& lastFrame = presenter.lastFrame;
    if (lastFrame.size() != static_cast<size_t>(kFramePixels)) {
        return false;
    }
    std::vector<png_byte> rgb(static_cast<size_t>(kFramePixels) * 3);
    for (size_t i = 0; i < lastFrame.size(); ++i) {
        rgb[i * 3] = ExpandRed(lastFrame[i]);
        rgb[i * 3 + 1] = ExpandGreen(lastFrame[i]);
        rgb[i * 3 + 2] = ExpandBlue(lastFrame[i]);
    }
    std::vector<png_bytep> rows(kFrameHeight);
    for (int y = 0; y < kFrameHeight; ++y) {
        rows[y] = rgb.data() + static_cast<size_t>(y) * kFrameWidth * 3;
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        return false;
    }
    const bool written = WriteRgbRows(file.get(), rows);
    return std::fclose(file.release()) == 0 && written;
}

void LoseSurfaces() {
    MarkSurfacesLost();
}

}  // namespace Scripted

}  // namespace Drobix::Platform

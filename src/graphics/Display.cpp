// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/Display.h"

#include "graphics/LayoutRecord.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "graphics/AlignedPixels.h"
#include "graphics/DisplayTesting.h"
#include "graphics/FrameRecord.h"
#include "graphics/ImageRegistry.h"
#include "graphics/ImageResources.h"
#include "graphics/PictureDecoder.h"
#include "graphics/PixelBlit.h"
#include "platform/Presenter.h"
#include "resources/ResourceIds.h"

namespace Drobix {

static_assert(kScreenWidth == Platform::kFrameWidth && kScreenHeight == Platform::kFrameHeight,
              "the back buffer is the frame the platform presents");

// The one way to a picture's pixels for writing: each change is announced to the frame record
// first, which makes the draws it keeps from the picture's old pixels.
class PixelWriter {
public:
    static PixelView Open(ImageSurface* picture);
    // The picture becomes width x height black pixels (none when either is not positive).
    static void Resize(ImageSurface* picture, int width, int height);
};

namespace {

constexpr Rect kOnePixel{0, 0, 1, 1};
constexpr int kBorderWidth = 2;

struct DisplayState {
    bool opened = false;
    AlignedPixels backBuffer;
    FrameRecord frame;
    Platform::ChangedSpans changedSpans;
    // The frame as last presented. The record redraws whole tiles of 8 rows, of which a line of
    // text scrolled by a pixel changes a few; the presenter scales every pixel it is handed, so
    // it is handed only those that differ from this.
    AlignedPixels presented;
    // The spans of the tiles the record redrew for the last present (tests).
    Platform::ChangedSpans redrawnSpans;
    ImageSurface* borderImage = nullptr;
    ImageSurface* fillImage = nullptr;
    bool clipSet = false;
    std::vector<Rect> clipRects;
    // Blits made while restoring never start a second restore.
    bool restoring = false;
};

DisplayState display;

enum class Keying { kOpaque, kKeyed };

constexpr int kCompareBlockPixels = 32;

// The columns of [left, right) where row now differs from row before: empty when none does.
Platform::RowSpan DifferingPart(const uint16_t* now, const uint16_t* before, int left, int right) {
    constexpr size_t kBlockBytes = kCompareBlockPixels * sizeof(uint16_t);
    while (left + kCompareBlockPixels <= right &&
           std::memcmp(now + left, before + left, kBlockBytes) == 0) {
        left += kCompareBlockPixels;
    }
    while (left < right && now[left] == before[left]) {
        ++left;
    }
    while (right - kCompareBlockPixels >= left &&
           std::memcmp(now + right - kCompareBlockPixels, before + right - kCompareBlockPixels,
                       kBlockBytes) == 0) {
        right -= kCompareBlockPixels;
    }
    while (right > left && now[right - 1] == before[right - 1]) {
        --right;
    }
    return left < right ? Platform::RowSpan{left, right} : Platform::RowSpan{};
}

// True when the surfaces may be drawn on; a pending loss is restored instead, and the blit
// that noticed it is dropped.
bool SurfacesReady() {
    if (display.restoring || !Platform::TakeSurfacesLost()) {
        return true;
    }
    RestoreSurfaces();
    return false;
}

ConstPixelView SourceView(const ImageSurface* image) {
    if (image == nullptr || !image->HasPixels()) {
        return {};
    }
    return {image->Pixels().data(), image->width, image->height};
}

PixelView TargetView(ImageSurface* dest) {
    if (dest == nullptr) {
        if (!display.opened) {
            return {};
        }
        return {display.backBuffer.data(), kScreenWidth, kScreenHeight};
    }
    if (!dest->HasPixels()) {
        return {};
    }
    return PixelWriter::Open(dest);
}

ColourKey KeyOf(const ImageSurface* image, Keying keying) {
    if (keying == Keying::kOpaque || !image->hasColourKey) {
        return {};
    }
    return {true, image->colourKeyLow, image->colourKeyHigh};
}

// Calls draw once per clip rectangle that applies: the whole destination, or each rectangle
// of the clip list when drawing to the back buffer while one is set. Overlapping clip
// rectangles draw the same pixels twice, which leaves the same result.
template <typename Draw>
void ForEachClip(ImageSurface* dest, PixelView target, Draw draw) {
    const Rect whole{0, 0, target.width, target.height};
    if (dest != nullptr || !display.clipSet) {
        draw(whole);
        return;
    }
    for (const Rect& clip : display.clipRects) {
        const Rect visible = Intersect(clip, whole);
        if (!visible.IsEmpty()) {
            draw(visible);
        }
    }
}

// Calls draw (from, to, clip) once per clip rectangle that applies, when both pictures have
// pixels and the surfaces are ready.
template <typename Draw>
[[gnu::always_inline]] inline void Blit(ImageSurface* image, ImageSurface* dest, Draw draw) {
    if (image == nullptr || !SurfacesReady()) {
        return;
    }
    const ConstPixelView from = SourceView(image);
    const PixelView to = TargetView(dest);
    if (from.pixels == nullptr || to.pixels == nullptr) {
        return;
    }
    ForEachClip(dest, to, [&](const Rect& clip) { draw(from, to, clip); });
}

// Draws source of image scaled into target (a copy when the sizes agree): on another picture
// at once, on the back buffer at the end of the frame, through the frame record.
void Draw(ImageSurface* image, const Rect& source, const Rect& target, ImageSurface* dest,
          const ColourKey& key) {
    Blit(image, dest, [&](ConstPixelView from, PixelView to, const Rect& clip) {
        if (dest == nullptr) {
            display.frame.Record({image, source, target, clip, key});
        } else {
            StretchPixels(from, source, to, target, clip, key);
        }
    });
}

void Copy(ImageSurface* image, const Rect& source, int x, int y, ImageSurface* dest,
          Keying keying) {
    if (image != nullptr) {
        Draw(image, source, PlacedAt(source, x, y), dest, KeyOf(image, keying));
    }
}

void Stretch(ImageSurface* image, const Rect& source, const Rect& target, ImageSurface* dest,
             Keying keying) {
    if (image != nullptr) {
        Draw(image, source, target, dest, KeyOf(image, keying));
    }
}

void CopyDecodedPixels(const DecodedPicture& picture, ImageSurface* image) {
    const PixelView to = PixelWriter::Open(image);
    const size_t count = static_cast<size_t>(to.width) * to.height;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* rgba = &picture.rgba[i * 4];
        to.pixels[i] = PackRgb565(rgba[0], rgba[1], rgba[2]);
    }
}

void RealiseResourceImage(ImageSurface* image) {
    const DecodedPicture picture = DecodePictureResource(image->resourceId, image->kind);
    const bool sizeChanged = picture.width != image->width || picture.height != image->height;
    if (!image->HasPixels() || sizeChanged) {
        PixelWriter::Resize(image, picture.width, picture.height);
    }
    CopyDecodedPixels(picture, image);
}

void RealiseBlankImage(ImageSurface* image) {
    if (!image->HasPixels()) {
        PixelWriter::Resize(image, image->width, image->height);
    }
    const ConstPixelView fill = SourceView(display.fillImage);
    if (image->HasPixels() && fill.pixels != nullptr) {
        const PixelView to = TargetView(image);
        const Rect whole{0, 0, image->width, image->height};
        StretchPixels(fill, kOnePixel, to, whole, whole, {});
    }
}

// The sizes a picture made by code may have: the same side limit as decoded pictures.
bool IsPictureSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

Platform::IconPixels IconOf(const DecodedPicture& picture) {
    return {picture.width, picture.height, picture.rgba};
}

}  // namespace

PixelView PixelWriter::Open(ImageSurface* picture) {
    display.frame.BeforePictureChanges(picture);
    ++picture->version_;
    return {picture->pixels_.data(), picture->width, picture->height};
}

void PixelWriter::Resize(ImageSurface* picture, int width, int height) {
    display.frame.BeforePictureChanges(picture);
    ++picture->version_;
    picture->width = width;
    picture->height = height;
    const bool sized = width > 0 && height > 0;
    picture->pixels_.assign(sized ? static_cast<size_t>(width) * height : 0, 0);
}

bool OpenDisplay() {
    if (display.opened) {
        return true;
    }
    const DecodedPicture icon = DecodeIconResource(ResourceId::kWindowIcon);
    if (!Platform::OpenMainWindow(kMainWindowTitle, IconOf(icon))) {
        return false;
    }
    display.backBuffer.assign(static_cast<size_t>(Platform::kFramePixels), 0);
    // The window shows black before the first present.
    display.presented.assign(static_cast<size_t>(Platform::kFramePixels), 0);
    display.frame.Reset({display.backBuffer.data(), kScreenWidth, kScreenHeight});
    display.opened = true;
    // A loss reported before there was anything to lose means nothing.
    Platform::TakeSurfacesLost();
    display.borderImage = LoadPngImage(ResourceId::kGreyPixel);
    display.fillImage = LoadPngImage(ResourceId::kBlackPixel);
    return true;
}

void CloseDisplay() {
    display.frame.Reset({});
    for (ImageSurface* image = NextImageAfter(0); image != nullptr; image = NextImageAfter(0)) {
        DeleteImageRecord(image);
    }
    display.borderImage = nullptr;
    display.fillImage = nullptr;
    display.clipSet = false;
    display.clipRects.clear();
    display.backBuffer.clear();
    display.backBuffer.shrink_to_fit();
    display.presented.clear();
    display.presented.shrink_to_fit();
    if (display.opened) {
        Platform::CloseMainWindow();
    }
    display.opened = false;
}

void FlipDisplay() {
    if (!display.opened || !SurfacesReady()) {
        return;
    }
    display.frame.Complete();
    const uint16_t* now = display.backBuffer.data();
    uint16_t* presented = display.presented.data();
    // Each differing span is kept as presented while its pixels are still in the cache.
    for (int y = 0; y < kScreenHeight; ++y) {
        const Rect changed = display.frame.ChangedPart(y);
        const auto row = static_cast<size_t>(y) * kScreenWidth;
        display.redrawnSpans[static_cast<size_t>(y)] = {changed.left, changed.right};
        const Platform::RowSpan span =
            DifferingPart(now + row, presented + row, changed.left, changed.right);
        display.changedSpans[static_cast<size_t>(y)] = span;
        std::copy(now + row + span.left, now + row + span.right, presented + row + span.left);
    }
    Platform::PresentFrame(now, display.changedSpans);
    display.frame.ClearChanges();
}

void RestoreSurfaces() {
    Platform::TakeSurfacesLost();
    display.restoring = true;
    for (ImageSurface* image = NextImageAfter(0); image != nullptr;
         image = NextImageAfter(image->serial)) {
        RealiseImage(image);
        if (image->kind == ImageKind::Blank && image->restoreCallback) {
            image->restoreCallback();
        }
    }
    display.restoring = false;
}

ImageSurface* CreateBlankImage(int width, int height, std::function<void()> restoreCallback) {
    ImageSurface* image = CreateImageRecord();
    image->kind = ImageKind::Blank;
    const bool sizeAccepted = IsPictureSize(width, height);
    image->width = sizeAccepted ? width : 0;
    image->height = sizeAccepted ? height : 0;
    image->restoreCallback = std::move(restoreCallback);
    RealiseImage(image);
    return image;
}

void SetImagePixels(ImageSurface* image, int width, int height, std::span<const uint16_t> pixels) {
    if (image == nullptr) {
        return;
    }
    const bool sizeAccepted = IsPictureSize(width, height);
    PixelWriter::Resize(image, sizeAccepted ? width : 0, sizeAccepted ? height : 0);
    const PixelView to = PixelWriter::Open(image);
    const size_t count = std::min(pixels.size(), static_cast<size_t>(to.width) * to.height);
    std::copy_n(pixels.begin(), image->HasPixels() ? count : 0, to.pixels);
}

void DestroyImage(ImageSurface* image) {
    display.frame.BeforePictureChanges(image);
    if (image == display.borderImage) {
        display.borderImage = nullptr;
    }
    if (image == display.fillImage) {
        display.fillImage = nullptr;
    }
    DeleteImageRecord(image);
}

void RealiseImage(ImageSurface* image) {
    switch (image->kind) {
        case ImageKind::Blank:
            RealiseBlankImage(image);
            break;
        case ImageKind::Jpg:
        case ImageKind::Png:
            RealiseResourceImage(image);
            break;
    }
}

void DrawImage(ImageSurface* image, int x, int y, ImageSurface* dest) {
    if (image != nullptr) {
        Copy(image, Rect{0, 0, image->width, image->height}, x, y, dest, Keying::kOpaque);
    }
}

void DrawImagePart(ImageSurface* image, const Rect* source, int x, int y, ImageSurface* dest) {
    if (source != nullptr) {
        Copy(image, *source, x, y, dest, Keying::kOpaque);
    }
}

void StretchImage(ImageSurface* image, const Rect* source, const Rect* target, ImageSurface* dest) {
    if (source != nullptr && target != nullptr) {
        Stretch(image, *source, *target, dest, Keying::kOpaque);
    }
}

void DrawImageKeyed(ImageSurface* image, int x, int y, ImageSurface* dest) {
    if (image != nullptr) {
        Copy(image, Rect{0, 0, image->width, image->height}, x, y, dest, Keying::kKeyed);
    }
}

void DrawImagePartKeyed(ImageSurface* image, const Rect* source, int x, int y, ImageSurface* dest) {
    if (source != nullptr) {
        Copy(image, *source, x, y, dest, Keying::kKeyed);
    }
}

void StretchImageKeyed(ImageSurface* image, const Rect* source, const Rect* target,
                       ImageSurface* dest) {
    if (source != nullptr && target != nullptr) {
        Stretch(image, *source, *target, dest, Keying::kKeyed);
    }
}

namespace {

void CopyParts(ImageSurface* image, std::span<const PartCopy> parts, ImageSurface* dest,
               Keying keying) {
    const ColourKey key = KeyOf(image, keying);
    Blit(image, dest, [&](ConstPixelView from, PixelView to, const Rect& clip) {
        if (dest == nullptr) {
            display.frame.RecordParts(image, parts, clip, key);
            return;
        }
        for (const PartCopy& part : parts) {
            CopyPixels(from, part.source, to, part.x, part.y, clip, key);
        }
    });
}

}  // namespace

void DrawImageParts(ImageSurface* image, std::span<const PartCopy> parts, ImageSurface* dest) {
    if (image != nullptr) {
        CopyParts(image, parts, dest, Keying::kOpaque);
    }
}

void DrawImagePartsKeyed(ImageSurface* image, std::span<const PartCopy> parts, ImageSurface* dest) {
    if (image != nullptr) {
        CopyParts(image, parts, dest, Keying::kKeyed);
    }
}

void SetClipRects(const Rect* rects, unsigned count) {
    display.clipRects.clear();
    if (rects != nullptr) {
        display.clipRects.assign(rects, rects + count);
    }
    display.clipSet = true;
}

bool IsClipping() {
    return display.clipSet;
}

void ClearClip() {
    display.clipSet = false;
    display.clipRects.clear();
}

void DrawPanel(const Rect* r, bool border, ImageSurface* dest) {
    if (r == nullptr) {
        return;
    }
    if (border) {
        const Rect top{r->left - 1, r->top - kBorderWidth, r->right + 1, r->top};
        const Rect bottom{r->left - 1, r->bottom, r->right + 1, r->bottom + kBorderWidth};
        const Rect left{r->left - kBorderWidth, r->top - 1, r->left, r->bottom + 1};
        const Rect right{r->right, r->top - 1, r->right + kBorderWidth, r->bottom + 1};
        const Rect strips[] = {top, bottom, left, right};
        for (const Rect& strip : strips) {
            StretchImage(display.borderImage, &kOnePixel, &strip, dest);
        }
    }
    StretchImage(display.fillImage, &kOnePixel, r, dest);
    if (dest == nullptr && IsLayoutRecorded()) {
        RecordDrawnPanel(*r);
    }
}

void DrawBorderedPanel(const Rect* r, ImageSurface* dest) {
    DrawPanel(r, true, dest);
}

ImageSurface* BorderImage() {
    return display.borderImage;
}

ImageSurface* FillImage() {
    return display.fillImage;
}

void CompleteFrame() {
    if (display.opened) {
        display.frame.Complete();
    }
}

const uint16_t* BackBufferPixels() {
    return display.opened ? display.backBuffer.data() : nullptr;
}

namespace Testing {

Rect GetRedrawnPart(int y) {
    if (y < 0 || y >= kScreenHeight) {
        return {};
    }
    const Platform::RowSpan span = display.redrawnSpans[static_cast<size_t>(y)];
    return {span.left, y, span.right, y + 1};
}

void RedrawWholeFrameNext() {
    if (display.opened) {
        display.frame.Reset({display.backBuffer.data(), kScreenWidth, kScreenHeight});
    }
}

}  // namespace Testing

}  // namespace Drobix

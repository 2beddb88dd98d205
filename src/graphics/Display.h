// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <span>

#include "graphics/ImageSurface.h"
#include "graphics/Rect.h"

namespace Drobix {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
inline constexpr const char* kMainWindowTitle = "Drobix";

// Opens the main window and the 800 x 600 back buffer, and loads BorderImage and FillImage.
// False when no window can be made. The platform's event module takes the window's messages,
// so no window procedure is passed.
bool OpenDisplay();
// Frees every picture, the back buffer and the window.
void CloseDisplay();
// Presents the back buffer; after a surface loss it restores instead.
void FlipDisplay();
// Rebuilds every picture in ascending serial order: resource pictures are decoded again, blank
// pictures filled black and then redrawn by their callback. A loss the platform reported is
// thereby dealt with.
void RestoreSurfaces();

// A black picture of that size (none of it when the size is not positive or too large).
ImageSurface* CreateBlankImage(int width, int height, std::function<void()> restoreCallback);
// Makes the picture width x height pixels, taken from pixels in rows top first (black where
// too few are given; none when the size is not positive or too large): for pictures made by
// code rather than decoded.
void SetImagePixels(ImageSurface* image, int width, int height, std::span<const uint16_t> pixels);
void DestroyImage(ImageSurface* image);
// Decodes a resource picture (or fills a blank one) into its surface, creating the surface
// first if needed. Used by the picture loaders and the restore.
void RealiseImage(ImageSurface* image);

// The blits: dest null means the back buffer, which alone honours the clip list. Source
// rectangles must lie inside the picture or nothing is drawn; targets are clipped to the
// destination. Keyed blits skip the picture's colour-key pixels.
void DrawImage(ImageSurface* image, int x, int y, ImageSurface* dest = nullptr);
void DrawImagePart(ImageSurface* image, const Rect* source, int x, int y,
                   ImageSurface* dest = nullptr);
void StretchImage(ImageSurface* image, const Rect* source, const Rect* target,
                  ImageSurface* dest = nullptr);
void DrawImageKeyed(ImageSurface* image, int x, int y, ImageSurface* dest = nullptr);
void DrawImagePartKeyed(ImageSurface* image, const Rect* source, int x, int y,
                        ImageSurface* dest = nullptr);
void StretchImageKeyed(ImageSurface* image, const Rect* source, const Rect* target,
                       ImageSurface* dest = nullptr);

// One opaque copy of a batch: source placed with its top-left corner at (x, y).
struct PartCopy {
    Rect source;
    int x = 0;
    int y = 0;
};

// DrawImagePart of each part in turn, with the checks made once for the whole batch: for the
// many small copies of one picture that make up a drawing.
void DrawImageParts(ImageSurface* image, std::span<const PartCopy> parts,
                    ImageSurface* dest = nullptr);
// The same with the picture's colour key, as DrawImagePartKeyed: for the glyphs of a string.
void DrawImagePartsKeyed(ImageSurface* image, std::span<const PartCopy> parts,
                         ImageSurface* dest = nullptr);

// Limits later blits to the back buffer to the union of the rectangles, until ClearClip.
void SetClipRects(const Rect* rects, unsigned count);
void ClearClip();
// True while clip rectangles limit what is drawn on the back buffer.
bool IsClipping();

// A black rectangle, optionally framed by a 2-pixel grey border outside it with cut corners.
void DrawPanel(const Rect* r, bool border, ImageSurface* dest = nullptr);
void DrawBorderedPanel(const Rect* r, ImageSurface* dest = nullptr);

// The 1 x 1 grey and black pictures that panels, frames and rules are stretched from.
ImageSurface* BorderImage();
ImageSurface* FillImage();

// Ends the frame being drawn: the draws kept for it are made, so that the back buffer holds all
// that was drawn since the last present. FlipDisplay does this itself before it presents.
void CompleteFrame();
// The back buffer's pixels as they stand, which a frame's draws reach only once it is complete:
// null while the display is closed.
const uint16_t* BackBufferPixels();

}  // namespace Drobix

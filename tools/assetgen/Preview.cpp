// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Preview.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "Codecs.h"
#include "Image.h"
#include "ResourceIds.h"

namespace Drobix::AssetGen {

namespace {

namespace Id = ResourceId;
using Art::Rgb;
using Art::RgbImage;

struct Rect {
    int left, top, right, bottom;
};

std::map<int, RgbImage> DecodeAll(const std::vector<Asset>& assets) {
    std::map<int, RgbImage> pictures;
    for (const Asset& asset : assets) {
        std::optional<RgbImage> image;
        if (asset.type == "JPG") {
            image = Art::DecodeJpeg(asset.bytes);
        } else if (asset.type == "PNG" || asset.type == "ICON") {
            image = Art::DecodePng(asset.bytes);
        }
        if (image) {
            pictures[asset.id] = std::move(*image);
        }
    }
    return pictures;
}

// Copies a part of a picture as it is: these views show the pictures themselves. How the game
// draws with them, keys and joins and text, is seen in drobix-replay's shots.
void Copy(RgbImage& dest, const RgbImage& source, Rect part, int x, int y) {
    for (int sy = part.top; sy < part.bottom; ++sy) {
        for (int sx = part.left; sx < part.right; ++sx) {
            const int dx = x + sx - part.left;
            const int dy = y + sy - part.top;
            if (dx >= 0 && dy >= 0 && dx < dest.width && dy < dest.height) {
                dest.At(dx, dy) = source.At(sx, sy);
            }
        }
    }
}

RgbImage Zoom(const RgbImage& image, int factor) {
    RgbImage out(image.width * factor, image.height * factor);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            out.At(x, y) = image.At(x / factor, y / factor);
        }
    }
    return out;
}

RgbImage Crop(const RgbImage& image, Rect r) {
    RgbImage out(r.right - r.left, r.bottom - r.top);
    Copy(out, image, r, 0, 0);
    return out;
}

bool Save(const RgbImage& image, const std::filesystem::path& path) {
    const std::vector<uint8_t> bytes = Art::EncodePng(image);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

bool WriteContactSheet(const std::vector<Asset>& assets, const std::string& path) {
    const std::map<int, RgbImage> pictures = DecodeAll(assets);
    RgbImage sheet(2070, 1280, {72, 72, 80});
    auto halve = [](const RgbImage& image) {
        RgbImage out(image.width / 2, image.height / 2);
        for (int y = 0; y < out.height; ++y) {
            for (int x = 0; x < out.width; ++x) {
                int r = 0, g = 0, b = 0;
                for (int k = 0; k < 4; ++k) {
                    const Rgb p = image.At(2 * x + k % 2, 2 * y + k / 2);
                    r += p.r;
                    g += p.g;
                    b += p.b;
                }
                out.At(x, y) = {static_cast<uint8_t>(r / 4), static_cast<uint8_t>(g / 4),
                                static_cast<uint8_t>(b / 4)};
            }
        }
        return out;
    };
    int x = 10;
    for (int id : {Id::kMenuBackground, Id::kGameBackgroundAurora, Id::kGameBackgroundForge,
                   Id::kGameBackgroundDeepSea, Id::kGameBackgroundNebula}) {
        if (pictures.count(id) != 0) {
            const RgbImage small = halve(pictures.at(id));
            Copy(sheet, small, {0, 0, small.width, small.height}, x, 10);
        }
        x += 410;
    }
    auto place = [&](int id, int factor, int px, int py) {
        if (pictures.count(id) != 0) {
            const RgbImage big = Zoom(pictures.at(id), factor);
            Copy(sheet, big, {0, 0, big.width, big.height}, px, py);
        }
    };
    place(Id::kBlockSpriteSheet, 2, 10, 330);
    place(Id::kLargeFontPicture, 2, 120, 330);
    place(Id::kSmallFontPicture, 3, 120, 500);
    place(Id::kDigitFontPicture, 3, 120, 550);
    place(Id::kCheckerOverlay, 2, 120, 680);
    place(Id::kBlackPixel, 16, 300, 680);
    place(Id::kGreyPixel, 16, 330, 680);
    place(Id::kHiddenPreviewSign, 2, 380, 680);
    place(Id::kWindowIcon, 4, 600, 680);
    return Save(sheet, path);
}

bool WritePreviews(const std::vector<Asset>& assets, const std::string& folder) {
    const std::map<int, RgbImage> pictures = DecodeAll(assets);
    for (int id : {Id::kBlockSpriteSheet, Id::kSmallFontPicture, Id::kLargeFontPicture,
                   Id::kDigitFontPicture, Id::kHiddenPreviewSign, Id::kWindowIcon}) {
        if (pictures.count(id) == 0) {
            return false;
        }
    }
    std::filesystem::create_directories(folder);
    const std::filesystem::path dir(folder);
    bool ok = Save(Zoom(pictures.at(Id::kBlockSpriteSheet), 8), dir / "blocks-sheet-x8.png");
    ok = ok && Save(Zoom(pictures.at(Id::kLargeFontPicture), 3), dir / "font-large-x3.png");
    ok = ok && Save(Zoom(Crop(pictures.at(Id::kSmallFontPicture), {0, 0, 255, 11}), 6),
                    dir / "font-small-a-x6.png");
    ok = ok && Save(Zoom(Crop(pictures.at(Id::kSmallFontPicture), {255, 0, 510, 11}), 6),
                    dir / "font-small-b-x6.png");
    ok = ok && Save(Zoom(pictures.at(Id::kDigitFontPicture), 5), dir / "font-digits-x5.png");
    ok = ok && Save(Zoom(pictures.at(Id::kHiddenPreviewSign), 4), dir / "hidden-preview-x4.png");
    ok = ok && Save(Zoom(pictures.at(Id::kWindowIcon), 8), dir / "icon-x8.png");
    return ok;
}

}  // namespace Drobix::AssetGen

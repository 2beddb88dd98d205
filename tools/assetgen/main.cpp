// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// assetgen: makes every built-in resource of Drobix from code alone.
//
//     assetgen OUTPUT_FOLDER [--contact-sheet FILE.png] [--preview FOLDER]
//     assetgen --desktop-icons FOLDER
//     assetgen --template FILE.pot
//
// writes every picture, font picture, icon, string and sound into OUTPUT_FOLDER together with
// resources.list, the list that gives each file its resource id, name and type. The output is the
// same, byte for byte, on every run. To regenerate the committed resources, from the source
// root:
//
//     cmake --build build --target assetgen && build/tools/assetgen/assetgen resources
//
// The second form writes only the program's icon, in the sizes of the desktop's icon theme; the
// build makes them so for installing. The third writes the translators' template, po/drobix.pot.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "Asset.h"
#include "Catalogues.h"
#include "Icon.h"
#include "Pictures.h"
#include "Preview.h"
#include "ResourceIds.h"
#include "Sounds.h"
#include "Strings.h"

namespace {

using Drobix::AssetGen::Asset;
using Drobix::AssetGen::NameOfResource;

constexpr char kListFileName[] = "resources.list";

void PrintUsage() {
    std::printf(
        "usage: assetgen OUTPUT_FOLDER [--contact-sheet FILE.png] [--preview FOLDER]\n"
        "       assetgen --desktop-icons FOLDER\n"
        "       assetgen --template FILE.pot\n"
        "\n"
        "Makes every built-in resource into OUTPUT_FOLDER, with %s giving each file its\n"
        "resource id, name and type. Regenerate the committed ones from the source root with\n"
        "    build/tools/assetgen/assetgen resources\n"
        "  --contact-sheet FILE.png  also write one picture showing every picture resource\n"
        "  --preview FOLDER          also write zoomed views of the sprites and fonts\n"
        "  --desktop-icons FOLDER    only write the icon as icon-N.png in the desktop's sizes\n"
        "  --template FILE.pot       only write the translation template (po/drobix.pot)\n"
        "(the screens as the game draws them: tools/make-previews.sh)\n",
        kListFileName);
}

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ListText(const std::vector<Asset>& assets) {
    std::string text =
        "# Drobix's built-in resources: resource id, name, type and file, one a line.\n"
        "# Made by tools/assetgen with every file beside this list; do not edit by hand.\n";
    for (const Asset& asset : assets) {
        text += std::to_string(asset.id) + " " + std::string(NameOfResource(asset.id)) + " " +
                asset.type + " " + asset.fileName + "\n";
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    std::string outputFolder;
    std::string contactSheet;
    std::string previewFolder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            PrintUsage();
            return 0;
        }
        if (arg == "--desktop-icons" && i + 2 == argc) {
            return Drobix::AssetGen::Art::WriteDesktopIcons(argv[i + 1]) ? 0 : 1;
        }
        if (arg == "--template" && i + 2 == argc) {
            const std::string text = Drobix::AssetGen::TranslationTemplate();
            return WriteFile(argv[i + 1], std::vector<uint8_t>(text.begin(), text.end())) ? 0 : 1;
        }
        if (arg == "--contact-sheet" && i + 1 < argc) {
            contactSheet = argv[++i];
        } else if (arg == "--preview" && i + 1 < argc) {
            previewFolder = argv[++i];
        } else if (!arg.empty() && arg[0] != '-' && outputFolder.empty()) {
            outputFolder = arg;
        } else {
            PrintUsage();
            return 2;
        }
    }
    if (outputFolder.empty()) {
        PrintUsage();
        return 2;
    }

    std::vector<Asset> assets;
    for (auto make : {Drobix::AssetGen::MakeBackgrounds, Drobix::AssetGen::MakeSprites,
                      Drobix::AssetGen::MakeFonts, Drobix::AssetGen::MakeStrings,
                      Drobix::AssetGen::MakeSounds}) {
        for (Asset& asset : make()) {
            assets.push_back(std::move(asset));
        }
    }
    std::sort(assets.begin(), assets.end(),
              [](const Asset& a, const Asset& b) { return a.id < b.id; });

    // One resource per id, so that each id has one name in the program.
    std::set<int> ids;
    std::set<std::string> names{kListFileName};
    for (const Asset& asset : assets) {
        if (asset.bytes.empty() || NameOfResource(asset.id).empty() ||
            !ids.insert(asset.id).second || !names.insert(asset.fileName).second ||
            asset.fileName.find_first_of("/ \t\n") != std::string::npos) {
            std::fprintf(stderr,
                         "assetgen: resource %d (%s) is empty, unnamed, repeated or badly named\n",
                         asset.id, asset.fileName.c_str());
            return 1;
        }
    }

    const std::filesystem::path folder(outputFolder);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const Asset& asset : assets) {
        if (!WriteFile(folder / asset.fileName, asset.bytes)) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", (folder / asset.fileName).c_str());
            return 1;
        }
    }
    const std::string list = ListText(assets);
    if (!WriteFile(folder / kListFileName, std::vector<uint8_t>(list.begin(), list.end()))) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", (folder / kListFileName).c_str());
        return 1;
    }
    std::printf("assetgen: wrote %zu resources and %s to %s\n", assets.size(), kListFileName,
                outputFolder.c_str());

    if (!contactSheet.empty() && !Drobix::AssetGen::WriteContactSheet(assets, contactSheet)) {
        std::fprintf(stderr, "assetgen: cannot write the contact sheet %s\n", contactSheet.c_str());
        return 1;
    }
    if (!previewFolder.empty() && !Drobix::AssetGen::WritePreviews(assets, previewFolder)) {
        std::fprintf(stderr, "assetgen: cannot write the previews to %s\n", previewFolder.c_str());
        return 1;
    }
    return 0;
}

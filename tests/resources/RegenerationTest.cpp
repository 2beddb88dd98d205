// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Resources.h"
#include "resources/ResourceIds.h"

namespace Drobix {
namespace {

namespace fs = std::filesystem;

const fs::path kResources = fs::path(DROBIX_SOURCE_DIR) / "resources";

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

struct ListEntry {
    int id;
    std::string name;
    std::string type;
    std::string file;
};

std::vector<ListEntry> ReadList(const fs::path& path) {
    std::vector<ListEntry> entries;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        ListEntry entry;
        fields >> entry.id >> entry.name >> entry.type >> entry.file;
        entries.push_back(entry);
    }
    return entries;
}

// The committed resources are exactly what the tool makes: every file it writes, the list and
// the sounds included, equal byte for byte.
TEST(ResourceRegeneration, MakesTheCommittedResourcesByteForByte) {
    const fs::path output =
        fs::temp_directory_path() / ("drobix-assetgen-" + std::to_string(::getpid()));
    fs::remove_all(output);
    const std::string command =
        std::string("\"") + DROBIX_ASSETGEN + "\" \"" + output.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    std::set<std::string> written;
    for (const auto& file : fs::directory_iterator(output)) {
        written.insert(file.path().filename().string());
    }
    ASSERT_TRUE(written.count("resources.list"));
    for (const std::string& name : written) {
        ASSERT_TRUE(fs::exists(kResources / name)) << name << " is not committed";
        EXPECT_TRUE(ReadFile(output / name) == ReadFile(kResources / name))
            << name << " differs from what the tool makes now";
    }
    std::set<std::string> listed{"resources.list"};
    for (const ListEntry& entry : ReadList(output / "resources.list")) {
        listed.insert(entry.file);
    }
    EXPECT_EQ(listed, written) << "the list names every file the tool writes, and only those";
    fs::remove_all(output);
}

// What the program finds by id and type is the committed file.
TEST(EmbeddedResources, AreTheFilesOfTheList) {
    const std::vector<ListEntry> entries = ReadList(kResources / "resources.list");
    ASSERT_GE(entries.size(), 16u);
    for (const ListEntry& entry : entries) {
        const std::span<const uint8_t> bytes = Platform::FindResource(entry.id, entry.type);
        const std::vector<uint8_t> file = ReadFile(kResources / entry.file);
        EXPECT_TRUE(std::vector<uint8_t>(bytes.begin(), bytes.end()) == file) << entry.file;
    }
    EXPECT_TRUE(Platform::FindResource(999, "PNG").empty());
    EXPECT_TRUE(Platform::FindResource(ResourceId::kBlockSpriteSheet, "JPG").empty());
    EXPECT_TRUE(Platform::FindResource(ResourceId::kMenuBackground, "").empty());
}

}  // namespace
}  // namespace Drobix

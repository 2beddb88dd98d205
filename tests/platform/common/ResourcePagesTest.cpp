// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Resources.h"
#include "resources/ResourceIds.h"

namespace Drobix::Platform {
namespace {

// The resident kilobytes of this process's mapping that holds address, from /proc/self/smaps.
long ResidentKbOfMappingAt(const void* address) {
    const auto wanted = reinterpret_cast<uintptr_t>(address);
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inMapping = false;
    while (std::getline(smaps, line)) {
        uintptr_t start = 0;
        uintptr_t end = 0;
        char dash = 0;
        std::istringstream fields(line);
        if (fields >> std::hex >> start >> dash >> end && dash == '-') {
            inMapping = start <= wanted && wanted < end;
        } else if (inMapping && line.rfind("Rss:", 0) == 0) {
            return std::stol(line.substr(4));
        }
    }
    return -1;
}

// A music track is hundreds of kilobytes: once decoded, its pages leave the process's resident
// memory and come back unchanged when it is read again.
TEST(ResourcePagesTest, ReleasedPagesLeaveResidentMemoryAndComeBackUnchanged) {
    const std::span<const uint8_t> track = FindResource(ResourceId::kMenuMusicMarch, "OGG");
    ASSERT_GT(track.size(), 100'000U);
    const std::vector<uint8_t> copy(track.begin(), track.end());
    const long before = ResidentKbOfMappingAt(track.data());
    ASSERT_GT(before, 0);
    ReleaseResourcePages(ResourceId::kMenuMusicMarch, "OGG");
    const long after = ResidentKbOfMappingAt(track.data());
    const long pageKb = sysconf(_SC_PAGESIZE) / 1024;
    // Every whole page inside the track is gone: all but at most two partial ones.
    EXPECT_LE(after, before - static_cast<long>(track.size() / 1024) + 2 * pageKb);
    EXPECT_EQ(std::vector<uint8_t>(track.begin(), track.end()), copy);
    // An unknown resource is left alone.
    ReleaseResourcePages(9999, "OGG");
}

}  // namespace
}  // namespace Drobix::Platform

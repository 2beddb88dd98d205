// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Drobix::AssetGen {

// One resource as the tool makes it: its id and type ("JPG", "PNG", "OGG", "ICON", "STRING"),
// the file name it is kept under in resources/, and its bytes.
struct Asset {
    int id = 0;
    std::string type;
    std::string fileName;
    std::vector<uint8_t> bytes;
};

}  // namespace Drobix::AssetGen

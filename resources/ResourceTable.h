// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace Drobix::Platform {

// One resource compiled into the program from resources/ (see resources.list there).
struct EmbeddedResource {
    int id;
    const char* type;  // "JPG", "PNG", "OGG", "ICON" or "STRING"
    const uint8_t* data;
    std::size_t size;
};

// Every built-in resource, in the order of the list. Generated at build time.
std::span<const EmbeddedResource> EmbeddedResourceTable();

}  // namespace Drobix::Platform

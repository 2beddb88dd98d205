// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DirectXInfo.h"

namespace Drobix::Platform {

namespace {

// A browser has no DirectX to ask: the answer is Linux's, the least version the game needs.
constexpr uint32_t kStandInMajor = 7;
constexpr uint32_t kStandInMinor = 0;

DiagnosticsAnswer StandInDiagnostics() {
    return {kStandInMajor, kStandInMinor, std::string(" ")};
}

std::optional<std::string> NoSystemDirectory() {
    return std::nullopt;
}

std::optional<uint64_t> NoFileVersion(const std::string&) {
    return std::nullopt;
}

constexpr DirectXInfoSource kStandInSource{StandInDiagnostics, NoSystemDirectory, NoFileVersion};

}  // namespace

const DirectXInfoSource& SystemDirectXInfoSource() {
    return kStandInSource;
}

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DirectXInfo.h"
#include "platform/DirectXInfoTesting.h"

namespace Drobix::Platform {

namespace {

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

constexpr DirectXInfoSource kPlatformSource{StandInDiagnostics, NoSystemDirectory, NoFileVersion};

const DirectXInfoSource* currentSource = &kPlatformSource;

}  // namespace

const DirectXInfoSource& GetDirectXInfoSource() {
    return *currentSource;
}

namespace Testing {

void SetDirectXInfoSource(const DirectXInfoSource* source) {
    currentSource = source != nullptr ? source : &kPlatformSource;
}

}  // namespace Testing

}  // namespace Drobix::Platform

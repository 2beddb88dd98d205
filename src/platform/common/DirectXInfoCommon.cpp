// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DirectXInfo.h"
#include "platform/DirectXInfoTesting.h"

namespace Drobix::Platform {

namespace {

// Null: the system's own.
const DirectXInfoSource* currentSource = nullptr;

}  // namespace

const DirectXInfoSource& GetDirectXInfoSource() {
    return currentSource != nullptr ? *currentSource : SystemDirectXInfoSource();
}

namespace Testing {

void SetDirectXInfoSource(const DirectXInfoSource* source) {
    currentSource = source;
}

}  // namespace Testing

}  // namespace Drobix::Platform

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/Processor.h"

namespace Drobix::Testing {

// Each test of a suite derived from this runs twice: on the vector code the processor takes
// (AVX2 where it has it) and on the portable code.
class VectorPaths : public testing::WithParamInterface<bool> {
protected:
    static void ChoosePath(bool portable) { Platform::SetPortableCodeOnly(portable); }
};

inline std::string VectorPathName(const testing::TestParamInfo<bool>& info) {
    return info.param ? "Portable" : "Processor";
}

// Puts the processor's own vector code back after a test on the portable one.
struct VectorPathTest : testing::Test, VectorPaths {
    void SetUp() override { ChoosePath(GetParam()); }
    void TearDown() override { ChoosePath(false); }
};

}  // namespace Drobix::Testing

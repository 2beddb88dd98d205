// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include "game/BlockFactory.h"

namespace Drobix::Testing {

// Base for tests of the rules: an empty block registry afterwards.
class RulesTest : public testing::Test {
protected:
    void TearDown() override { DestroyAllBlocks(); }
};

}  // namespace Drobix::Testing

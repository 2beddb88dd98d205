#pragma once

#include <gtest/gtest.h>

#include "TempDataHome.h"
#include "game/BlockFactory.h"
#include "storage/Settings.h"

namespace Drobix::Testing {

// Base for tests of the rules: default options from a data folder of the test's own, and an
// empty block registry afterwards.
class RulesTest : public testing::Test {
protected:
    void SetUp() override { LoadSettings(); }
    void TearDown() override {
        DestroyAllBlocks();
        SaveSettings();
    }

private:
    TempDataHome dataHome_;
};

}  // namespace Drobix::Testing

#include "input/KeyDisplayName.h"

#include <gtest/gtest.h>

#include "input/Input.h"

namespace Drobix {
namespace {

TEST(KeyDisplayNameTest, NamesTheKeysAPlayerBindsAndCodesTheRest) {
    const std::pair<int, const char*> cases[] = {
        {'P', "P"},
        {'Z', "Z"},
        {'0', "0"},
        {VirtualKey::kPause, "Pause"},
        {VirtualKey::kSpace, "Space"},
        {VirtualKey::kEscape, "Esc"},
        {VirtualKey::kUp, "Up"},
        {VirtualKey::kNumpad0 + 5, "Num 5"},
        {VirtualKey::kDivide, "Num /"},
        {VirtualKey::kGrave, "`"},
        {0xE2, "Key 0xE2"},
        {0x07, "Key 0x07"},
    };
    for (const auto& [key, name] : cases) {
        EXPECT_EQ(KeyDisplayName(key), name) << key;
    }
}

}  // namespace
}  // namespace Drobix

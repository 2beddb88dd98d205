// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "TempDataHome.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // No test may ever touch the real user's data folder.
    Drobix::Testing::TempDataHome dataHome;
    return RUN_ALL_TESTS();
}

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestEnvironment.h"

namespace Drobix::Testing {

// Points XDG_DATA_HOME at a fresh temporary folder for its lifetime, then removes the folder
// and restores the previous value.
class TempDataHome {
public:
    TempDataHome() {
        if (const char* previous = std::getenv("XDG_DATA_HOME")) {
            previous_ = previous;
            hadPrevious_ = true;
        }
        folder_ = MakeTemporaryFolder("drobix-test-");
        SetVariable("XDG_DATA_HOME", folder_.string());
    }

    ~TempDataHome() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        if (hadPrevious_) {
            SetVariable("XDG_DATA_HOME", previous_);
        } else {
            UnsetVariable("XDG_DATA_HOME");
        }
    }

    TempDataHome(const TempDataHome&) = delete;
    TempDataHome& operator=(const TempDataHome&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path DataFile() const {
        return folder_ / "Quillbeam" / "Drobix" / "Drobix.dat";
    }

private:
    std::filesystem::path folder_;
    std::string previous_;
    bool hadPrevious_ = false;
};

}  // namespace Drobix::Testing

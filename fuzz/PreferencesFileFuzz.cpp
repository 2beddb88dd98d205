// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary text to the settings-file reader and checks that it never throws, that what it
// accepts is in range with no key bound to two actions, that every fault takes exactly one line,
// and that the preferences written back read again unchanged and without a fault.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "storage/PreferencesFile.h"

namespace {

bool InRange(const Drobix::Preferences& p) {
    const auto level = [](int value) {
        return value >= Drobix::kMinSoundLevel && value <= Drobix::kMaxSoundLevel;
    };
    if (!level(p.musicLevel) || !level(p.effectsLevel)) {
        return false;
    }
    std::array<int, 256> owners{};
    for (const auto& keys : p.keys) {
        for (const int key : keys) {
            if (key < 0 || key >= 256 || (key != Drobix::kNoKey && ++owners[key] > 1)) {
                return false;
            }
        }
    }
    return true;
}

bool Same(const Drobix::Preferences& a, const Drobix::Preferences& b) {
    return a.windowMode == b.windowMode && a.musicLevel == b.musicLevel &&
           a.effectsLevel == b.effectsLevel && a.shadow == b.shadow && a.patterns == b.patterns &&
           a.keys == b.keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::ostringstream faults;
    const Drobix::Preferences read = Drobix::ParsePreferences(text, "F", faults);
    if (!InRange(read)) {
        std::abort();
    }
    // Each fault is one line that starts with the file's name.
    const std::string said = faults.str();
    for (size_t start = 0; start < said.size();) {
        const size_t end = said.find('\n', start);
        if (end == std::string::npos || said.compare(start, 3, "F: ") != 0) {
            std::abort();
        }
        start = end + 1;
    }
    std::ostringstream again;
    const Drobix::Preferences reread =
        Drobix::ParsePreferences(Drobix::WritePreferences(read), "F", again);
    if (!again.str().empty() || !Same(read, reread)) {
        std::abort();
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReplayPreferences.h"
#include "app/LanguageChoice.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>

#include "platform/DataFolder.h"
#include "platform/Keyboard.h"
#include "storage/Preferences.h"
#include "storage/PreferencesFile.h"

namespace Drobix::Replay {

namespace {

std::string WithPortableFolder(std::string text) {
    const auto folder = Platform::GetConfigFolder();
    if (!folder || folder->empty()) {
        return text;
    }
    const std::string portable = "$XDG_CONFIG_HOME";
    for (size_t at = text.find(*folder); at != std::string::npos;
         at = text.find(*folder, at + portable.size())) {
        text.replace(at, folder->size(), portable);
    }
    return text;
}

// The handling's settings, only where they differ from the defaults, as a line of defaults reads
// as it always has.
void PrintHandling(const Preferences& preferences, std::ostream& out) {
    const Preferences defaults;
    if (preferences.handling != defaults.handling) {
        out << " handling=" << (preferences.handling == Handling::Modern ? "modern" : "classic");
    }
    if (preferences.repeatDelayMs != defaults.repeatDelayMs) {
        out << " repeat_delay_ms=" << preferences.repeatDelayMs;
    }
    if (preferences.repeatIntervalMs != defaults.repeatIntervalMs) {
        out << " repeat_interval_ms=" << preferences.repeatIntervalMs;
    }
    if (preferences.language != defaults.language) {
        out << " language=" << preferences.language;
    }
}

}  // namespace

void PrintPreferences(std::ostream& out) {
    const Preferences& preferences = GetPreferences();
    out << "window="
        << (preferences.windowMode == PreferredWindowMode::Window ? "window" : "fullscreen")
        << " music=" << preferences.musicLevel << " effects=" << preferences.effectsLevel
        << " shadow=" << preferences.shadow << " patterns=" << preferences.patterns;
    PrintHandling(preferences, out);
    out << "\n";
    const KeyBindings& bindings = GetKeyBindings();
    for (size_t index = 0; index < kGameActionCount; ++index) {
        out << GameActionName(static_cast<GameAction>(index)) << ":";
        for (const int key : bindings[index]) {
            if (key != kNoKey) {
                out << " [" << Platform::VirtualKeyName(key) << "]";
            }
        }
        out << "\n";
    }
}

void PrintPreferencesFile(std::ostream& out) {
    const auto path = PreferencesFilePath();
    std::error_code error;
    const auto type =
        path ? std::filesystem::status(*path, error).type() : std::filesystem::file_type::not_found;
    // Looked at before it is opened: a FIFO would hang the open, a folder fail the reading.
    if (type != std::filesystem::file_type::regular && type != std::filesystem::file_type::none &&
        type != std::filesystem::file_type::not_found) {
        out << "settingsfile " << WithPortableFolder(*path)
            << ": the file: is not a regular file\n";
        return;
    }
    std::ifstream file;
    if (type == std::filesystem::file_type::regular) {
        file.open(*path, std::ios::binary);
    }
    // A stream never opened does not count as failed: a missing file is told here.
    if (type != std::filesystem::file_type::regular || !file) {
        out << "settingsfile none\n";
        return;
    }
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    out << "settingsfile " << text.size() << " bytes\n" << text;
    if (!text.empty() && !text.ends_with('\n')) {
        out << "\n";
    }
}

void ReloadPreferences(std::ostream& out) {
    std::ostringstream faults;
    LoadPreferences(faults);
    ApplyLanguageChoice();
    out << WithPortableFolder(faults.str());
}

}  // namespace Drobix::Replay

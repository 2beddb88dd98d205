// Feeds arbitrary bytes to the data-file reader and checks that whatever it accepts is in range
// and survives a write and a second read unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "storage/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Drobix::Settings settings;
    Drobix::ReadSettingsRecord(std::span(data, size), settings);
    const auto blockTypes = static_cast<int32_t>(settings.blockTypes);
    if (settings.rubbishRows > 10 || settings.startingLevel > 9 || blockTypes < 0 ||
        blockTypes > 2 || !(settings.rubbishFrequency >= 0.0F) ||
        !(settings.rubbishFrequency <= 1.0F)) {
        std::abort();
    }
    const auto written = Drobix::WriteSettingsRecord(settings);
    Drobix::Settings reread;
    Drobix::ReadSettingsRecord(written, reread);
    if (Drobix::WriteSettingsRecord(reread) != written) {
        std::abort();
    }
    return 0;
}

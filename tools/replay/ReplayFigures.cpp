// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReplayFigures.h"

#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <set>
#include <string>

#include "graphics/ImageRegistry.h"
#include "graphics/PictureDecoder.h"
#include "platform/Resources.h"
#include "sound/OggDecoder.h"
#include "sound/SoundTesting.h"

// Present only in a program built with a sanitizer.
extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));  // NOLINT

namespace Drobix::Replay {

namespace {

using Clock = std::chrono::steady_clock;

std::set<int> decodedSounds;

std::span<const uint8_t> FindAndNoteSound(int resourceId) {
    decodedSounds.insert(resourceId);
    return Platform::FindResource(resourceId, "OGG");
}

// Decodes again every picture the registry holds and every sound start-up asked for.
Clock::duration TimeDecoding() {
    const auto start = Clock::now();
    size_t decodedBytes = 0;
    for (const ImageSurface* image = NextImageAfter(0); image != nullptr;
         image = NextImageAfter(image->serial)) {
        if (image->kind != ImageKind::Blank) {
            decodedBytes += DecodePictureResource(image->resourceId, image->kind).rgba.size();
        }
    }
    for (int id : decodedSounds) {
        if (const auto sound = DecodeOgg(Platform::FindResource(id, "OGG"))) {
            decodedBytes += sound->pcm.size();
        }
    }
    const auto elapsed = Clock::now() - start;
    // The decoded sizes are used, so no decoding can be left out as unused.
    return decodedBytes > 0 ? elapsed : Clock::duration::zero();
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// A "Name:   N kB" line of /proc/self/status, or 0.
long StatusKilobytes(const std::string& name) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(name + ":")) {
            return std::strtol(line.c_str() + name.size() + 1, nullptr, 10);
        }
    }
    return 0;
}

constexpr size_t kBytesPerKilobyte = 1024;

// The heap in use: the sanitizer's allocator counts it when it replaces malloc, glibc otherwise.
size_t HeapBytesInUse() {
    if (__sanitizer_get_current_allocated_bytes != nullptr) {
        return __sanitizer_get_current_allocated_bytes();
    }
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

}  // namespace

void PrintMemory(std::ostream& out) {
    out << "memory rss_kb=" << StatusKilobytes("VmRSS") << " peak_kb=" << StatusKilobytes("VmHWM")
        << " heap_kb=" << HeapBytesInUse() / kBytesPerKilobyte << "\n";
}

void RecordDecodedSounds() {
    Testing::SetSoundResourceFinder(FindAndNoteSound);
}

void PrintStartupFigure(std::ostream& out, Clock::duration sinceStart) {
    const double startup = Milliseconds(sinceStart);
    const double decoding = Milliseconds(TimeDecoding());
    out << std::fixed << std::setprecision(1) << "startup " << startup << " ms decoding "
        << decoding << " ms ratio " << std::setprecision(2)
        << (decoding > 0.0 ? startup / decoding : 0.0) << std::defaultfloat << "\n";
}

}  // namespace Drobix::Replay

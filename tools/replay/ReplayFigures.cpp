// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReplayFigures.h"

#include <cstddef>
#include <cstdint>
#include <iomanip>
#include <set>
#include <string>

#include "ReplaySystem.h"
#include "graphics/ImageRegistry.h"
#include "graphics/PictureDecoder.h"
#include "platform/Resources.h"
#include "sound/OggDecoder.h"
#include "sound/SoundTesting.h"

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
constexpr size_t kBytesPerKilobyte = 1024;

}  // namespace

void PrintMemory(std::ostream& out) {
    const MemoryFigures memory = ReadMemoryFigures();
    out << "memory rss_kb=" << memory.residentKb << " peak_kb=" << memory.peakKb
        << " heap_kb=" << memory.heapBytes / kBytesPerKilobyte << "\n";
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

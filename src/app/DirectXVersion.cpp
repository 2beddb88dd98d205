// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DirectXVersion.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <string>

#include "platform/DirectXInfo.h"

namespace Drobix {

namespace {

constexpr char kNoLetter = ' ';
constexpr int kLetterCount = 26;
constexpr std::size_t kPathLimit = 512;

struct DirectXVersion {
    uint32_t major = 0;
    uint32_t minor = 0;
    char letter = kNoLetter;
};

bool QueryDirectXVersionFromDiagnostics(DirectXVersion& version) {
    const Platform::DiagnosticsAnswer answer = Platform::GetDirectXInfoSource().queryDiagnostics();
    if (answer.major) {
        version.major = *answer.major;
    }
    if (answer.minor) {
        version.minor = *answer.minor;
    }
    const bool letterFound = answer.letter && !answer.letter->empty();
    if (letterFound) {
        version.letter = (*answer.letter)[0];
    }
    return answer.major && answer.minor && letterFound;
}

// The first part of a file version: a of a.b.c.d.
uint32_t FirstPart(uint64_t version) {
    return static_cast<uint32_t>(version >> 48);
}

bool AtLeast(uint64_t version, uint64_t reference) {
    return CompareFileVersions(version, reference) >= 0;
}

// Newer than the reference of the file's own numbering: part 4 (old releases) or part 5.
bool AtLeastInEither(uint64_t version, uint64_t referenceFour, uint64_t referenceFive) {
    return (FirstPart(version) == 4 && AtLeast(version, referenceFour)) ||
           (FirstPart(version) == 5 && AtLeast(version, referenceFive));
}

struct FileRule {
    const char* fileName;
    bool (*matches)(uint64_t version);
    DirectXVersion version;
};

// Each file first shipped with a known release; the last rule that matches decides.
const std::array<FileRule, 16> kFileRules = {{
    {"\\ddraw.dll", [](uint64_t v) { return AtLeast(v, PackFileVersion(4, 2, 0, 95)); }, {1, 0}},
    {"\\ddraw.dll", [](uint64_t v) { return AtLeast(v, PackFileVersion(4, 3, 0, 1096)); }, {2, 0}},
    {"\\ddraw.dll", [](uint64_t v) { return AtLeast(v, PackFileVersion(4, 4, 0, 68)); }, {3, 0}},
    {"\\d3drg8x.dll",
     [](uint64_t v) { return AtLeast(v, PackFileVersion(4, 4, 0, 70)); },
     {3, 0, 'a'}},
    {"\\ddraw.dll", [](uint64_t v) { return AtLeast(v, PackFileVersion(4, 5, 0, 155)); }, {5, 0}},
    {"\\ddraw.dll", [](uint64_t v) { return AtLeast(v, PackFileVersion(4, 6, 0, 318)); }, {6, 0}},
    {"\\ddraw.dll", [](uint64_t v) { return AtLeast(v, PackFileVersion(4, 6, 0, 436)); }, {6, 1}},
    {"\\dplayx.dll",
     [](uint64_t v) { return AtLeast(v, PackFileVersion(4, 6, 3, 518)); },
     {6, 1, 'a'}},
    {"\\ddraw.dll", [](uint64_t v) { return AtLeast(v, PackFileVersion(4, 7, 0, 700)); }, {7, 0}},
    {"\\dinput.dll",
     [](uint64_t v) { return AtLeast(v, PackFileVersion(4, 7, 0, 716)); },
     {7, 0, 'a'}},
    {"\\ddraw.dll",
     [](uint64_t v) {
         return AtLeastInEither(v, PackFileVersion(4, 8, 0, 400), PackFileVersion(5, 1, 2258, 400));
     },
     {8, 0}},
    {"\\d3d8.dll",
     [](uint64_t v) {
         return AtLeastInEither(v, PackFileVersion(4, 8, 1, 881), PackFileVersion(5, 1, 2600, 881));
     },
     {8, 1}},
    {"\\d3d8.dll",
     [](uint64_t v) {
         return AtLeastInEither(v, PackFileVersion(4, 8, 1, 901), PackFileVersion(5, 1, 2600, 901));
     },
     {8, 1, 'a'}},
    {"\\mpg2splt.ax",
     [](uint64_t v) { return AtLeast(v, PackFileVersion(6, 3, 1, 885)); },
     {8, 1, 'b'}},
    {"\\dpnet.dll",
     [](uint64_t v) {
         return AtLeastInEither(v, PackFileVersion(4, 9, 0, 134), PackFileVersion(5, 2, 3677, 134));
     },
     {8, 2}},
    {"\\d3d9.dll", [](uint64_t) { return true; }, {9, 0}},
}};

// Always succeeds: with no system folder or no matching file the version is 0.0.
void ProbeDirectXVersionFromFiles(DirectXVersion& version) {
    bool found = false;
    if (const std::optional<std::string> folder =
            Platform::GetDirectXInfoSource().systemDirectory()) {
        for (const FileRule& rule : kFileRules) {
            std::string path = *folder + rule.fileName;
            if (path.size() >= kPathLimit) {
                continue;
            }
            uint64_t fileVersion = 0;
            if (ReadFileVersion(path.c_str(), &fileVersion) == kResultOk &&
                rule.matches(fileVersion)) {
                version = rule.version;
                found = true;
            }
        }
    }
    if (!found) {
        version = DirectXVersion{};
    }
}

uint32_t LetterIndex(char letter) {
    if (letter >= 'a' && letter < 'a' + kLetterCount) {
        return static_cast<uint32_t>(letter - 'a' + 1);
    }
    return 0;
}

void FormatVersion(const DirectXVersion& version, char* text, int textSize) {
    const auto size = static_cast<std::size_t>(textSize);
    if (version.letter == kNoLetter) {
        std::snprintf(text, size, "%u.%u", version.major, version.minor);
    } else {
        std::snprintf(text, size, "%u.%u%c", version.major, version.minor, version.letter);
    }
    text[size - 1] = '\0';
}

}  // namespace

uint64_t PackFileVersion(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    constexpr uint64_t kPart = 0xFFFF;
    return ((a & kPart) << 48) | ((b & kPart) << 32) | ((c & kPart) << 16) | (d & kPart);
}

int CompareFileVersions(uint64_t first, uint64_t second) {
    if (first > second) {
        return 1;
    }
    return first < second ? -1 : 0;
}

int32_t ReadFileVersion(const char* path, uint64_t* version) {
    if (path == nullptr || version == nullptr) {
        return kResultInvalidArgument;
    }
    const std::optional<uint64_t> record = Platform::GetDirectXInfoSource().fileVersion(path);
    if (!record) {
        return kResultFail;
    }
    *version = *record;
    return kResultOk;
}

int32_t DetectDirectXVersion(uint32_t* packedVersion, char* text, int textSize) {
    if (packedVersion != nullptr) {
        *packedVersion = 0;
    }
    if (text != nullptr && textSize > 0) {
        text[0] = '\0';
    }
    DirectXVersion version;
    if (!QueryDirectXVersionFromDiagnostics(version)) {
        ProbeDirectXVersionFromFiles(version);
    }
    version.letter = static_cast<char>(std::tolower(static_cast<unsigned char>(version.letter)));
    if (packedVersion != nullptr) {
        *packedVersion =
            (((version.major << 8) + version.minor) << 8) + LetterIndex(version.letter);
    }
    if (text != nullptr && textSize > 0) {
        FormatVersion(version, text, textSize);
    }
    return kResultOk;
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/SettingsFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "platform/Files.h"

namespace Drobix {

namespace {

constexpr uint32_t kMaxRubbishRows = 10;
constexpr uint32_t kMaxStartingLevel = 9;
constexpr int32_t kBlockTypeCount = 3;
constexpr int32_t kBlockPreviewCount = 3;
constexpr int32_t kBlockColourCount = 2;

// Little-endian reads over the file's bytes; a read that would pass the end takes nothing.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool ReadU8(uint8_t& value) {
        if (Remaining() < 1) {
            return false;
        }
        value = bytes_[offset_++];
        return true;
    }

    bool ReadU32(uint32_t& value) {
        if (Remaining() < 4) {
            return false;
        }
        value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= static_cast<uint32_t>(bytes_[offset_++]) << (8 * i);
        }
        return true;
    }

    bool ReadI32(int32_t& value) {
        uint32_t bits = 0;
        if (!ReadU32(bits)) {
            return false;
        }
        value = static_cast<int32_t>(bits);
        return true;
    }

    bool ReadFloat(float& value) {
        uint32_t bits = 0;
        if (!ReadU32(bits)) {
            return false;
        }
        std::memcpy(&value, &bits, sizeof value);
        return true;
    }

    bool ReadString(uint32_t length, std::string& text) {
        if (Remaining() < length) {
            return false;
        }
        text.assign(reinterpret_cast<const char*>(bytes_.data() + offset_), length);
        offset_ += length;
        return true;
    }

private:
    size_t Remaining() const { return bytes_.size() - offset_; }

    std::span<const uint8_t> bytes_;
    size_t offset_ = 0;
};

class ByteWriter {
public:
    void WriteU8(uint8_t value) { bytes_.push_back(value); }

    void WriteU32(uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
        }
    }

    void WriteI32(int32_t value) { WriteU32(static_cast<uint32_t>(value)); }

    void WriteFloat(float value) {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        WriteU32(bits);
    }

    void WriteString(const std::string& text) {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
    }

    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

// An option stored as its value 0 .. count - 1; any other value becomes the fallback, so the
// option always names one of its choices. False when the file has ended.
template <typename Option>
bool ReadOption(ByteReader& in, int32_t count, Option fallback, Option& option) {
    int32_t value = 0;
    if (!in.ReadI32(value)) {
        return false;
    }
    option = value >= 0 && value < count ? static_cast<Option>(value) : fallback;
    return true;
}

template <typename Option>
void WriteOption(ByteWriter& out, Option option) {
    out.WriteI32(static_cast<int32_t>(option));
}

// Reads the option fields in file order, stopping at the first that the file does not hold.
bool ReadOptions(ByteReader& in, Settings& settings) {
    const Settings defaults;
    return in.ReadU8(settings.sound) && in.ReadU32(settings.rubbishRows) &&
           in.ReadFloat(settings.rubbishFrequency) &&
           ReadOption(in, kBlockTypeCount, defaults.blockTypes, settings.blockTypes) &&
           ReadOption(in, kBlockPreviewCount, defaults.blockPreview, settings.blockPreview) &&
           ReadOption(in, kBlockColourCount, defaults.blockColour, settings.blockColour) &&
           in.ReadU32(settings.startingLevel);
}

// Reads one entry; false once the file has ended. A score read before the end stays read.
bool ReadEntry(ByteReader& in, HighScoreEntry& entry) {
    uint32_t nameLength = 0;
    std::string name;
    // A length that runs past the end of the file is a file that ends early.
    if (!in.ReadU32(entry.score) || !in.ReadU32(nameLength) || !in.ReadString(nameLength, name)) {
        return false;
    }
    entry.name = std::move(name);
    return true;
}

// Once the file has ended, scores keep their defaults and names become empty.
void ReadHighScores(ByteReader& in, bool ended, Settings& settings) {
    for (HighScoreEntry& entry : settings.highScores) {
        ended = ended || !ReadEntry(in, entry);
        if (ended) {
            entry.name.clear();
        }
    }
}

bool ReadVersion(ByteReader& in) {
    uint32_t version = 0;
    return in.ReadU32(version) && version == kDataFileVersion;
}

bool SameEntry(const HighScoreEntry& a, const HighScoreEntry& b) {
    return a.score == b.score && a.name == b.name;
}

// The first entry equal to wanted and not matched yet; entries.size() when there is none.
size_t FindUnmatched(const std::vector<HighScoreEntry>& entries, const std::vector<bool>& matched,
                     const HighScoreEntry& wanted) {
    size_t index = 0;
    while (index < entries.size() && (matched[index] || !SameEntry(entries[index], wanted))) {
        ++index;
    }
    return index;
}

// Where a score goes in a ranked list: above the first entry whose score is not higher.
size_t RankAmong(const std::vector<HighScoreEntry>& entries, uint32_t score) {
    size_t index = 0;
    while (index < entries.size() && score < entries[index].score) {
        ++index;
    }
    return index;
}

void ReplaceOutOfRangeValues(Settings& settings) {
    const Settings defaults;
    if (settings.rubbishRows > kMaxRubbishRows) {
        settings.rubbishRows = defaults.rubbishRows;
    }
    const float frequency = settings.rubbishFrequency;
    if (!std::isfinite(frequency) || frequency < 0.0F || frequency > 1.0F) {
        settings.rubbishFrequency = defaults.rubbishFrequency;
    }
    if (settings.startingLevel > kMaxStartingLevel) {
        settings.startingLevel = defaults.startingLevel;
    }
}

}  // namespace

void ReadSettingsRecord(std::span<const uint8_t> bytes, Settings& settings) {
    ByteReader in(bytes);
    if (!ReadVersion(in)) {
        return;
    }
    const bool ended = !ReadOptions(in, settings);
    ReadHighScores(in, ended, settings);
    ReplaceOutOfRangeValues(settings);
}

std::vector<uint8_t> WriteSettingsRecord(const Settings& settings) {
    ByteWriter out;
    out.WriteU32(kDataFileVersion);
    out.WriteU8(settings.sound);
    out.WriteU32(settings.rubbishRows);
    out.WriteFloat(settings.rubbishFrequency);
    WriteOption(out, settings.blockTypes);
    WriteOption(out, settings.blockPreview);
    WriteOption(out, settings.blockColour);
    out.WriteU32(settings.startingLevel);
    for (const HighScoreEntry& entry : settings.highScores) {
        out.WriteU32(entry.score);
        out.WriteU32(static_cast<uint32_t>(entry.name.size()));
        out.WriteString(entry.name);
    }
    return out.Take();
}

std::vector<HighScoreEntry> ReadStoredHighScores(std::span<const uint8_t> bytes) {
    ByteReader in(bytes);
    std::vector<HighScoreEntry> entries;
    Settings options;
    if (!ReadVersion(in) || !ReadOptions(in, options)) {
        return entries;
    }
    HighScoreEntry entry;
    while (entries.size() < kHighScoreCount && ReadEntry(in, entry)) {
        entries.push_back(entry);
    }
    return entries;
}

void MergeHighScores(std::span<const HighScoreEntry> stored,
                     std::array<HighScoreEntry, kHighScoreCount>& table) {
    std::vector<HighScoreEntry> merged(stored.begin(), stored.end());
    // A file edited by hand may be out of order; equal scores keep the file's order.
    std::stable_sort(merged.begin(), merged.end(),
                     [](const auto& a, const auto& b) { return a.score > b.score; });
    // Entries of the file already matched by one of ours, so a repeated entry counts as often
    // as the table holding it more often has it.
    std::vector<bool> matched(merged.size(), false);
    // Lowest first: each goes above the equal scores, so our own order among them stays.
    for (int rank = kHighScoreCount - 1; rank >= 0; --rank) {
        const HighScoreEntry& ours = table[rank];
        size_t index = FindUnmatched(merged, matched, ours);
        if (index == merged.size()) {
            index = RankAmong(merged, ours.score);
            merged.insert(merged.begin() + static_cast<ptrdiff_t>(index), ours);
            matched.insert(matched.begin() + static_cast<ptrdiff_t>(index), false);
        }
        matched[index] = true;
    }
    // Our table alone has kHighScoreCount entries, so merged has at least as many.
    std::copy_n(merged.begin(), kHighScoreCount, table.begin());
}

bool SaveDataFile(const std::string& path, Settings& settings) {
    const auto target = Platform::ResolveSymbolicLinks(path);
    if (!target) {
        return false;
    }
    if (const auto stored = Platform::ReadFileBounded(*target, kMaxDataFileBytes)) {
        MergeHighScores(ReadStoredHighScores(*stored), settings.highScores);
    }
    const std::vector<uint8_t> record = WriteSettingsRecord(settings);
    const std::string_view bytes(reinterpret_cast<const char*>(record.data()), record.size());
    return !Platform::ReplaceFileAtomically(*target, bytes);
}

}  // namespace Drobix

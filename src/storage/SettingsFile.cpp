#include "storage/SettingsFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

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

// Once the file has ended, scores keep their defaults and names become empty.
void ReadHighScores(ByteReader& in, bool ended, Settings& settings) {
    for (HighScoreEntry& entry : settings.highScores) {
        uint32_t nameLength = 0;
        ended = ended || !in.ReadU32(entry.score) || !in.ReadU32(nameLength);
        std::string name;
        // A length that runs past the end of the file is a file that ends early.
        ended = ended || !in.ReadString(nameLength, name);
        entry.name = ended ? std::string() : std::move(name);
    }
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

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            return false;
        }
        written += static_cast<size_t>(result);
    }
    return true;
}

}  // namespace

void ReadSettingsRecord(std::span<const uint8_t> bytes, Settings& settings) {
    ByteReader in(bytes);
    uint32_t version = 0;
    if (!in.ReadU32(version) || version != kDataFileVersion) {
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

std::optional<std::vector<uint8_t>> ReadFileBounded(const std::string& path, size_t maxBytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(maxBytes);
    const size_t count = std::fread(bytes.data(), 1, maxBytes, file);
    std::fclose(file);
    bytes.resize(count);
    return bytes;
}

bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes) {
    std::string tempPath = path + ".XXXXXX";
    const int fd = ::mkstemp(tempPath.data());
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(tempPath.c_str(), path.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    return true;
}

}  // namespace Drobix

// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/SettingsFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace Drobix {
namespace {

void AppendU32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

void AppendText(std::vector<uint8_t>& bytes, const char* text) {
    AppendU32(bytes, static_cast<uint32_t>(std::strlen(text)));
    bytes.insert(bytes.end(), text, text + std::strlen(text));
}

// The default record, byte by byte as the file holds it.
std::vector<uint8_t> DefaultFileBytes() {
    std::vector<uint8_t> bytes;
    AppendU32(bytes, 1);                                  // version
    bytes.push_back(1);                                   // sound on
    AppendU32(bytes, 0);                                  // rubbish rows
    bytes.insert(bytes.end(), {0x00, 0x00, 0x00, 0x3F});  // 0.5f
    AppendU32(bytes, 0);                                  // block types
    AppendU32(bytes, 0);                                  // block preview
    AppendU32(bytes, 0);                                  // block colour
    AppendU32(bytes, 0);                                  // starting level
    const std::pair<uint32_t, const char*> table[] = {{35000, "Zephine"},
                                                      {30000, "Odalynn"},
                                                      {25000, "Mr Wobblecrust"},
                                                      {12500, "Pia Thornwell"},
                                                      {100, "Noob"}};
    for (const auto& [score, name] : table) {
        AppendU32(bytes, score);
        AppendText(bytes, name);
    }
    return bytes;
}

std::vector<uint8_t> ChangedFileBytes() {
    Settings settings;
    settings.sound = 0;
    settings.rubbishRows = 10;
    settings.rubbishFrequency = 0.9000000954F;
    settings.blockTypes = BlockSet::Crazy;
    settings.blockPreview = BlockPreview::Random;
    settings.blockColour = BlockColourMode::Random;
    settings.startingLevel = 9;
    settings.highScores[1] = {"", 31000};
    return WriteSettingsRecord(settings);
}

void ExpectSameRecord(const Settings& actual, const Settings& expected) {
    EXPECT_EQ(WriteSettingsRecord(actual), WriteSettingsRecord(expected));
}

TEST(SettingsFileTest, DefaultRecordIs114BytesInFileLayout) {
    const auto bytes = WriteSettingsRecord(Settings{});
    EXPECT_EQ(bytes.size(), 114U);
    EXPECT_EQ(bytes, DefaultFileBytes());
}

TEST(SettingsFileTest, ReadsBackEveryStorableValue) {
    Settings read;
    ReadSettingsRecord(ChangedFileBytes(), read);
    EXPECT_EQ(WriteSettingsRecord(read), ChangedFileBytes());
    EXPECT_EQ(read.highScores[1].name, "");

    // Every frequency the options screen can reach loads unchanged.
    float frequency = 0.5F;
    for (int press = 0; press < 20; ++press) {
        frequency = static_cast<float>(frequency + 0.1);
        if (static_cast<int>(frequency) == 1) {
            frequency = 0.1F;
        }
        Settings stored;
        stored.rubbishFrequency = frequency;
        Settings loaded;
        loaded.rubbishFrequency = 0.25F;
        ReadSettingsRecord(WriteSettingsRecord(stored), loaded);
        EXPECT_EQ(loaded.rubbishFrequency, frequency) << press;
    }
}

TEST(SettingsFileTest, WrongVersionKeepsEveryDefault) {
    for (uint32_t version : {0U, 2U, 0x01000000U}) {
        auto bytes = ChangedFileBytes();
        std::memcpy(bytes.data(), &version, sizeof version);
        Settings read;
        ReadSettingsRecord(bytes, read);
        ExpectSameRecord(read, Settings{});
    }
}

// Each field that was read whole keeps what was read; each later one keeps its default, and
// every name whose text was not read whole becomes empty.
TEST(SettingsFileTest, EveryTruncationKeepsWhatWasReadWhole) {
    const auto full = ChangedFileBytes();
    const Settings changed = [&] {
        Settings s;
        ReadSettingsRecord(full, s);
        return s;
    }();
    const Settings defaults;
    for (size_t length = 0; length < full.size(); ++length) {
        Settings read;
        ReadSettingsRecord(std::span(full.data(), length), read);
        SCOPED_TRACE(length);
        if (length < 4) {
            ExpectSameRecord(read, defaults);
            continue;
        }
        EXPECT_EQ(read.sound, length >= 5 ? changed.sound : defaults.sound);
        EXPECT_EQ(read.rubbishRows, length >= 9 ? changed.rubbishRows : defaults.rubbishRows);
        EXPECT_EQ(read.rubbishFrequency,
                  length >= 13 ? changed.rubbishFrequency : defaults.rubbishFrequency);
        EXPECT_EQ(read.startingLevel,
                  length >= 29 ? changed.startingLevel : defaults.startingLevel);
        size_t offset = 29;
        for (int i = 0; i < kHighScoreCount; ++i) {
            const HighScoreEntry& entry = read.highScores[i];
            const size_t nameEnd = offset + 8 + changed.highScores[i].name.size();
            EXPECT_EQ(entry.score, length >= offset + 4 ? changed.highScores[i].score
                                                        : defaults.highScores[i].score);
            EXPECT_EQ(entry.name, length >= nameEnd ? changed.highScores[i].name : "");
            offset = nameEnd;
        }
    }
}

TEST(SettingsFileTest, NameLengthPastTheEndIsAFileThatEndsThere) {
    auto bytes = DefaultFileBytes();
    // Entry 1's name length (after entry 0: score 4, length 4, "Zephine" 7) claims 4 GiB.
    const size_t lengthOffset = 29 + 15 + 4;
    const uint32_t huge = 0xFFFFFFF0U;
    std::memcpy(bytes.data() + lengthOffset, &huge, sizeof huge);
    Settings read;
    ReadSettingsRecord(bytes, read);
    EXPECT_EQ(read.highScores[0].name, "Zephine");
    EXPECT_EQ(read.highScores[1].score, 30000U);
    EXPECT_EQ(read.highScores[1].name, "");
    EXPECT_EQ(read.highScores[4].score, 100U);
    EXPECT_EQ(read.highScores[4].name, "");
}

TEST(SettingsFileTest, OutOfRangeValuesBecomeDefaults) {
    auto bytes = ChangedFileBytes();
    auto put = [&bytes](size_t offset, uint32_t value) {
        std::memcpy(bytes.data() + offset, &value, sizeof value);
    };
    put(5, 11);            // rubbish rows
    put(9, 0x7FC00000U);   // NaN frequency
    put(13, 3);            // block types
    put(17, 0xFFFFFFFFU);  // block preview -1
    put(21, 2);            // block colour
    put(25, 10);           // starting level
    Settings read;
    ReadSettingsRecord(bytes, read);
    const Settings defaults;
    EXPECT_EQ(read.rubbishRows, defaults.rubbishRows);
    EXPECT_EQ(read.rubbishFrequency, defaults.rubbishFrequency);
    EXPECT_EQ(read.blockTypes, defaults.blockTypes);
    EXPECT_EQ(read.blockPreview, defaults.blockPreview);
    EXPECT_EQ(read.blockColour, defaults.blockColour);
    EXPECT_EQ(read.startingLevel, defaults.startingLevel);
    EXPECT_EQ(read.sound, 0);
    EXPECT_EQ(read.highScores[1].score, 31000U);

    for (uint32_t frequencyBits :
         {0x3F800001U /* just above 1 */, 0xBDCCCCCDU /* -0.1 */, 0x7F800000U /* infinity */}) {
        put(9, frequencyBits);
        ReadSettingsRecord(bytes, read);
        EXPECT_EQ(read.rubbishFrequency, defaults.rubbishFrequency);
    }
}

using Table = std::array<HighScoreEntry, kHighScoreCount>;

// Two copies started from the same default table, each with a new best score: both survive,
// and the defaults they pushed out stay out.
TEST(MergeHighScoresTest, KeepsEveryEntryOfBothOnceRankedByScore) {
    Table stored = Settings{}.highScores;
    stored = {{{"Bea", 40000}, stored[0], stored[1], stored[2], stored[3]}};
    Table ours = Settings{}.highScores;
    ours = {{{"Ada", 38000}, ours[0], ours[1], ours[2], ours[3]}};
    MergeHighScores(stored, ours);
    const Table expected{{{"Bea", 40000},
                          {"Ada", 38000},
                          {"Zephine", 35000},
                          {"Odalynn", 30000},
                          {"Mr Wobblecrust", 25000}}};
    for (int i = 0; i < kHighScoreCount; ++i) {
        EXPECT_EQ(ours[i].name, expected[i].name) << i;
        EXPECT_EQ(ours[i].score, expected[i].score) << i;
    }

    // Merging the result with itself changes nothing: the copy finds its own save.
    const Table before = ours;
    MergeHighScores(before, ours);
    for (int i = 0; i < kHighScoreCount; ++i) {
        EXPECT_EQ(ours[i].name, before[i].name) << i;
    }
}

TEST(MergeHighScoresTest, EqualScoresAndRepeatedEntries) {
    // Ours stand above equal stored scores and keep their own order; an entry that both hold
    // twice counts twice, not four times; the file's out-of-order entries are ranked.
    const std::vector<HighScoreEntry> stored{
        {"Low", 10}, {"Twice", 300}, {"Twice", 300}, {"Theirs", 500}, {"Stored", 200}};
    Table ours{{{"Mine", 500}, {"Also mine", 500}, {"Twice", 300}, {"Twice", 300}, {"Z", 1}}};
    MergeHighScores(stored, ours);
    const std::vector<std::pair<std::string, uint32_t>> expected{
        {"Mine", 500}, {"Also mine", 500}, {"Theirs", 500}, {"Twice", 300}, {"Twice", 300}};
    for (int i = 0; i < kHighScoreCount; ++i) {
        EXPECT_EQ(ours[i].name, expected[i].first) << i;
        EXPECT_EQ(ours[i].score, expected[i].second) << i;
    }

    // A file with nothing to offer leaves the table as it was.
    Table lone{{{"A", 5}, {"B", 4}, {"C", 3}, {"D", 2}, {"E", 1}}};
    MergeHighScores({}, lone);
    EXPECT_EQ(lone[0].name, "A");
    EXPECT_EQ(lone[4].name, "E");
    // Better stored scores push ours out: only the best five stay.
    MergeHighScores(stored, lone);
    EXPECT_EQ(lone[0].name, "Theirs");
    EXPECT_EQ(lone[3].name, "Stored");
    EXPECT_EQ(lone[4].name, "Low");
}

TEST(ReadStoredHighScoresTest, OnlyEntriesReadWhole) {
    const auto full = DefaultFileBytes();
    EXPECT_EQ(ReadStoredHighScores(full).size(), 5U);
    // Entry 0 ends at 29 + 15, entry 1 at 44 + 15; one byte short of entry 1's name.
    const auto cut = ReadStoredHighScores(std::span(full.data(), 58));
    ASSERT_EQ(cut.size(), 1U);
    EXPECT_EQ(cut[0].name, "Zephine");
    EXPECT_EQ(cut[0].score, 35000U);
    EXPECT_TRUE(ReadStoredHighScores(std::span(full.data(), 28)).empty());
    auto wrongVersion = full;
    wrongVersion[0] = 2;
    EXPECT_TRUE(ReadStoredHighScores(wrongVersion).empty());
}

}  // namespace
}  // namespace Drobix
